# The Schedule dialog opened from an item's context menu: a title and schedule typed there
# are the item's caption in Clipboard.qbx once the session has ended, and its play list
# becomes plain text. Wine sends no WM_MENURBUTTONUP yet, so the context menu is asked for
# with the command a right click posts; every other step is the user's keys.
. "$QBX_ROOT/tests/e2e/lib/paste.sh"
add_item --text "c:\\sounds\\news.mp3" --caption "Notes"
start_target plain
start_capturing

xdotool key alt+shift+Insert || fail "xdotool could not type the hot key"
qbxctl wait-menus 1 "$QBX_TIMEOUT" >/dev/null || fail "the hot key did not open the main menu"
xdotool key Down # the item is highlighted
qbxctl service Quillbox 0 32794 || fail "could not ask for the context menu"
qbxctl wait-menus 2 "$QBX_TIMEOUT" >/dev/null || fail "no context menu opened"
# Paste As, Paste all, Player, Scheduler; then its "Edit schedule".
xdotool key Down Down Down Down Right e
qbxctl wait-window "Quillbox Schedule" "$QBX_TIMEOUT" || fail "the Schedule dialog did not open"
# Keys typed before the dialog has the keyboard would go elsewhere.
dialog_has_keys() {
    local dialog
    dialog=$(xdotool search --name '^Quillbox Schedule$' | head -n 1)
    [ -n "$dialog" ] && [ "$(xdotool getwindowfocus)" = "$dialog" ]
}
wait_for "the Schedule dialog to have the keyboard" dialog_has_keys
# The title has the focus with its text selected; the schedule text is the third box on.
xdotool type "Morning news"
xdotool key Tab Tab Tab
xdotool type "08:30,*,*,* *:* *:*,* *:*,*,*,* 217"
screenshot schedule-dialog-typed
xdotool key Return
qbxctl wait-gone "Quillbox Schedule" "$QBX_TIMEOUT" || fail "OK did not close the dialog"
end_session
assert_eq "$(captions)" "Morning news <08:30,*,*,* *:* *:*,* *:*,*,*,* 217>" "the caption"
