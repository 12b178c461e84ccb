# Through the main menu, opened by Alt+Shift+Insert over the application in front: an entry
# clicked with Ctrl held arrives as plain text only; the counter item of an external
# collection, chosen with the keyboard, pastes its number and the counter advances in
# Clipboard.qbx.
. "$QBX_ROOT/tests/e2e/lib/paste.sh"
rtf="$QBX_PROGRAM_DIR/../item.rtf"
printf '%s' '{\rtf1\ansi\deff0{\fonttbl{\f0 Arial;}}\f0 plain {\b bold} words\par}' >"$rtf"
add_item --text "second item"
add_item --text "first item"
add_item --rtf "$rtf" # the head: the menu's first entry
qbx add "$(program_file Counters.qbx)" --text "Invoice #%d" --caption "+1 invoice" >/dev/null ||
    fail "qbx add to Counters.qbx"
# Wine's rich edit control pastes on Ctrl+V only, not on Shift+Insert.
qbx_set m_nCounter1=7 m_dwOptions=0xF92D # the defaults with Ctrl+V for Shift+Insert
start_target rich
start_capturing

target_holds() { grep -qF "$1" "$TARGET_OUT.txt"; }

# The first entry, the Rich Text item, clicked with Ctrl held; the menu opened at the pointer,
# which rests on its corner, not on an entry.
open_menu
read -r left top _ _ <<<"$MENU_RECT"
xdotool keydown ctrl mousemove $((left + 40)) $((top + 10)) click 1
wait_for "the Rich Text item's words at the target" target_holds "plain bold words"
xdotool keyup ctrl
rich=$(tr -d '\r\n\0' <"$TARGET_OUT.rtf")
case "$rich" in
*Arial* | *'\b '*) fail "formatting arrived with Ctrl held: $rich" ;;
esac

open_menu
xdotool key Down Down Down Down Right # the collection "Counters", after the three items
menu_rect 2 >/dev/null || fail "the collection's submenu did not open"
xdotool key Return
wait_for "the counter's number at the target" target_holds "Invoice #7"

end_session
counter=$(qbx prefs "$(program_file Clipboard.qbx)" | sed -n 's/^m_nCounter1=//p')
assert_eq "$counter" 8 "counter 1 after its item was pasted"
