# The Preferences submenu as a user reaches it: with nothing kept yet the hot key opens the
# application menu, whose "Preferences" holds the submenus. "Max items" asks in the input
# dialog and stores what the rules make of 0; a click on "Autosave" flips its mark while the
# menus stay open, and the next cut is on disk at once. The hot-key and font dialogs open.
# "About" in the item's context menu shows the savings of 1000 pastes.
qbx_set m_nHotStyle=0 m_nPasteCount=1000
start_with_target plain
# preferences N: the application menu's "Preferences" (its seventh entry), its Nth submenu.
preferences() { open_menu; keys_to_submenu 6; keys_to_submenu "$1"; }

# "Limits and counters" (the seventh submenu), "Max items": the number dialog shows 8.
preferences 6
screenshot "preferences-limits"
xdotool key Return
wait_input_dialog
assert_eq "$(qbxctl text Quillbox 2047)" 8 "the number the dialog shows"
screenshot "input-dialog-number"
type_in_dialog 0
max_items_is() { [ "$(pref m_nMaxItems)" = "$1" ]; }
wait_for "Max items 2 in the file after typing 0" max_items_is 2

# "User defined hot key" asks with the hot-key control; "Cancel" leaves it as it was.
preferences 0
screenshot "preferences-hot-keys"
xdotool key --repeat 4 Down key Return
wait_input_dialog
screenshot "input-dialog-hot-key"
cancel_dialog

# "Menu font" opens the system's font dialog; its "Cancel" keeps the font.
preferences 8
xdotool key Return
wait_for "the font dialog" qbxctl item Font 2
screenshot "font-dialog"
press Font 2
wait_for "the font dialog to close" eval '! qbxctl item Font 2'

# "Insert position and misc." (the fourth submenu): a real click on "Autosave", its fourth row.
preferences 3
menu_shown 4 3
point_at_row 3 "" "$(qbxctl syscolor 13)" # COLOR_HIGHLIGHT: the system draws these entries
mark() { import -display "$DISPLAY" -window root -crop "16x$ROW+$((l + 3))+$((AT_Y - ROW / 2))" -depth 8 rgb:- | md5sum; }
unmarked=$(mark)
xdotool click 1
mark_changed() { [ "$(mark)" != "$unmarked" ]; }
wait_for "the mark of \"Autosave\" to change" mark_changed
assert_true "the menus stay open after the click" qbxctl wait-menus 3 0
screenshot "preferences-autosave-on"
# Back on the application menu's first entry its submenus close; Escape closes it.
read -r l t r b <<<"$(qbxctl wait-menus 3 0 | sed -n 3p)"
xdotool mousemove $((l + 40)) $((t + 10))
wait_for "the submenus to close" eval '[ "$(qbxctl wait-menus 1 0 | wc -l)" -eq 1 ]'
xdotool key Escape
wait_for "the menus to close" no_menus

clip_set "kept at once"
wait_captions "kept at once"
assert_eq "$(($(pref m_dwOptions) & 0x40))" 64 "the autosave bit in the file"

# The About box from the Preferences submenu of the item's context menu: the savings of
# 1000 pastes, the version and the banner; a right click in it lists the clipboard's formats.
open_menu
context_command 1 0 1 # a right click on the item, then "Preferences"
read -r l t r b <<<"$(menu_rect 3)"
[ -n "$b" ] || fail "\"Preferences\" opened no submenu"
click_at $((l + 40)) $((b - 12)) # its last entry, "About"
about=$(qbxctl dialog Quillbox "$QBX_TIMEOUT") || fail "no About box appeared"
grep -qx '2005 The program has saved \$30.00 of your money' <<<"$about" ||
    fail "the savings line after 1000 pastes is wrong: $about"
grep -qx '2015 Version 3.1' <<<"$about" || fail "no version line: $about"
read -r left top right bottom < <(sed -n 's/^rect //p' <<<"$about")
screenshot about

# A right click beside the savings line: the formats of the cut, in a box of their own.
xdotool mousemove $((left + 12)) $(((top + bottom) / 2)) click 3
listing=$(qbxctl dialog "Clipboard formats" "$QBX_TIMEOUT") ||
    fail "the right click listed no formats"
screenshot about-formats
for line in "0001 TEXT" "000D UNICODETEXT"; do
    grep -q "^[0-9]* *$line\$" <<<"$listing" || fail "the listing lacks '$line': $listing"
done
press "Clipboard formats" 1
wait_for "the listing to close" qbxctl wait-gone "Clipboard formats" 0

# Return (OK) closes the box; the program goes on.
xdotool mousemove $((left + 12)) $(((top + bottom) / 2)) key Return
wait_for "the About box to close" eval '! qbxctl dialog Quillbox 0'
end_session
