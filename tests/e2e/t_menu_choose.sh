# The whole road through the main menu: Alt+Shift+Insert in the application in front opens
# the menu at the pointer; clicking an entry, typing its digit, or typing a letter on the
# highlighted entry pastes it there, and the pasted item moves to the head.
. "$QBX_ROOT/tests/e2e/lib/paste.sh"
add_item --text "third item"
add_item --text "second item"
add_item --text "first item"
start_target plain
start_capturing

# menu_rect: "left top right bottom" of the main menu, once it is shown.
menu_rect() {
    qbxctl wait-menus 1 "$QBX_TIMEOUT" | tr -d '\r' | sed -n 1p
}
no_menus() { ! qbxctl wait-menus 1 0 >/dev/null 2>&1; }
# open_menu: the hot key, typed into the target; the menu opens at the pointer.
open_menu() {
    xdotool key alt+shift+Insert || fail "xdotool could not type the hot key"
    RECT=$(menu_rect) || fail "the hot key did not open the main menu"
    local l t r b
    read -r l t r b <<<"$RECT"
    ROW=$(((b - t - 6) / 3)) # three items
}
# point_at_row ROW (0-based): returns once the row shows highlighted, as a person sees it
# before typing a letter for it.
HIGHLIGHT=$(qbxctl syscolor 2 | tr -d '\r') # COLOR_ACTIVECAPTION fills a highlighted entry
point_at_row() {
    local l t r b y
    read -r l t r b <<<"$RECT"
    y=$((t + 3 + $1 * ROW + ROW / 2))
    xdotool mousemove $((l + 40)) "$y"
    wait_for "row $1 of the menu to show highlighted" pixel_is $((l + 3)) "$y" "$HIGHLIGHT"
}

# "2" chooses the second entry of the open menu, whatever is highlighted.
open_menu
point_at_row 0
xdotool key 2
wait_for "the menu to close after typing 2" no_menus
wait_target_text "second item"

# A click on the third entry.
xdotool mousemove 300 300
open_menu
point_at_row 2
xdotool click 1
wait_for "the menu to close after the click" no_menus
wait_target_text "second itemthird item"

# "u" pastes the highlighted entry in upper case.
xdotool mousemove 300 300
open_menu
point_at_row 2
xdotool key u
wait_for "the menu to close after typing u" no_menus
wait_target_text "second itemthird itemFIRST ITEM"

end_session
# Each pasted item went to the head (the defaults insert at the head).
assert_eq "$(captions)" "first item|third item|second item" "items after the three pastes"
