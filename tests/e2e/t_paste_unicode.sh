# Text beyond the ANSI code page, cut on the X clipboard as UTF-8, stays whole: it is kept in
# Clipboard.qbx, the menu shows its caption (build/screens/menu_unicode.png), it pastes whole
# into a Unicode edit control, and after a restart it is still there and pastes whole again.
. "$QBX_ROOT/tests/e2e/lib/paste.sh"
mixed='Grüße — 日本語 ✓ 😀'
greek='Καλημέρα κόσμε'
shows() { [ "$(qbx show "$(program_file Clipboard.qbx)" "$1")" = "$2" ]; }
open_menu() {
    press_menu_hot_key
    qbxctl wait-menus 1 "$QBX_TIMEOUT" >/dev/null || fail "the hot key did not open the main menu"
}

qbx_set m_dwOptions=0xF15D # the defaults plus autosave
start_target plain
start_capturing
clip_set "$greek"
wait_for "the Greek cut in Clipboard.qbx" shows 1 "$greek"
cut_spacing
clip_set "$mixed"
wait_for "the mixed cut in Clipboard.qbx" shows 1 "$mixed"
assert_eq "$(qbx show "$(program_file Clipboard.qbx)" 2)" "$greek" "item 2 in UTF-8"

open_menu
screenshot menu_unicode
xdotool key 2
wait_target_text "$greek"

end_session # closes the target too
start_target plain
start_capturing
open_menu
xdotool key 2 # the mixed one: the Greek one came to the head when it was pasted
wait_target_text "$mixed"
end_session
assert_eq "$(qbx show "$(program_file Clipboard.qbx)" 1)" "$mixed" "the mixed item after the restart"
