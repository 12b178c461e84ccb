# The whole road through the main menu: Alt+Shift+Insert in the application in front opens
# the menu at the pointer; clicking an entry, typing its digit, or typing a letter on the
# highlighted entry pastes it there, and the pasted item moves to the head. An entry's
# context menu opens on a right click, Shift+F10 or the context-menu key; a variant chosen
# there pastes the entry so, and "Delete" (not carried out yet) changes nothing.
. "$QBX_ROOT/tests/e2e/lib/paste.sh"
add_item --text "third item"
add_item --text "second item"
add_item --text "first item"
start_target plain
start_capturing

# menu_rect [N]: "left top right bottom" of the last opened of N menus (1), once shown.
menu_rect() {
    qbxctl wait-menus "${1:-1}" "$QBX_TIMEOUT" | tr -d '\r' | sed -n 1p
}
no_menus() { ! qbxctl wait-menus 1 0 >/dev/null 2>&1; }
# open_menu: the hot key, typed into the target; the menu opens at the pointer.
open_menu() {
    xdotool mousemove 300 300 key alt+shift+Insert || fail "xdotool could not type the hot key"
    RECT=$(menu_rect) || fail "the hot key did not open the main menu"
    local l t r b
    read -r l t r b <<<"$RECT"
    ROW=$(((b - t - 6) / 3)) # three items
}
# point_at_row ROW [keys] (0-based): the pointer, or the Down key from a menu just opened,
# goes to the row; returns once it shows highlighted, as a person sees it before typing a
# letter for it.
HIGHLIGHT=$(qbxctl syscolor 2 | tr -d '\r') # COLOR_ACTIVECAPTION fills a highlighted entry
point_at_row() {
    local l t r b y
    read -r l t r b <<<"$RECT"
    y=$((t + 3 + $1 * ROW + ROW / 2))
    if [ "${2:-}" = keys ]; then
        xdotool key --repeat $(($1 + 1)) Down
    else
        xdotool mousemove $((l + 40)) "$y"
    fi
    wait_for "row $1 of the menu to show highlighted" pixel_is $((l + 3)) "$y" "$HIGHLIGHT"
}

# "2" chooses the second entry of the open menu, whatever is highlighted.
open_menu
point_at_row 0
xdotool key 2
wait_for "the menu to close after typing 2" no_menus
wait_target_text "second item"

# A click on the third entry.
open_menu
point_at_row 2
xdotool click 1
wait_for "the menu to close after the click" no_menus
wait_target_text "second itemthird item"

# "u" pastes the highlighted entry in upper case.
open_menu
point_at_row 2
xdotool key u
wait_for "the menu to close after typing u" no_menus
wait_target_text "second itemthird itemFIRST ITEM"

# The context menu by a right click on the second entry ("third item"), by Shift+F10 on
# the highlighted second entry (then "first item") and by the context-menu key on the third
# ("second item"); each time "Paste As", its first entry, and "Upper" in the submenu the
# system draws (highlighted in COLOR_HIGHLIGHT).
SYSTEM_HIGHLIGHT=$(qbxctl syscolor 13 | tr -d '\r')
target_ends_with() { [[ "$(target_text)" == *"$1" ]]; }
for road in "right-click THIRD 1 mouse click 3" "shift-f10 FIRST 1 keys key shift+F10" \
    "menu-key SECOND 2 keys key Menu"; do
    set -- $road # NAME PASTED ROW HOW XDOTOOL-ARGS...
    open_menu
    point_at_row "$3" "$4"
    xdotool "${@:5}"
    read -r l t r b <<<"$(menu_rect 2)"
    [ -n "$b" ] || fail "no context menu opened by $1"
    xdotool mousemove $((l + 40)) $((t + 8))
    read -r l t r b <<<"$(menu_rect 3)"
    screenshot "context-menu-by-$1"
    y=$((t + 3 + (b - t - 6) * 3 / 10)) # the second of Text, Upper, Lower, HTML, Unix
    xdotool mousemove $((l + 40)) "$y"
    wait_for "\"Upper\" to show highlighted ($1)" pixel_is $((l + 3)) "$y" "$SYSTEM_HIGHLIGHT"
    xdotool click 1
    wait_for "\"$2 ITEM\" at the target ($1)" target_ends_with "$2 ITEM"
done
wait_target_text "second itemthird itemFIRST ITEMTHIRD ITEMFIRST ITEMSECOND ITEM"

# A right click on the second entry, "first item", and "Delete", its eighth command with
# the keyboard (separators are skipped).
open_menu
point_at_row 1
xdotool click 3
[ -n "$(menu_rect 2)" ] || fail "the right click opened no context menu"
xdotool key --repeat 8 Down key Return
wait_for "the menus to close after \"Delete\"" no_menus
holds_for "nothing is pasted after \"Delete\"" 2 \
    target_text_is "second itemthird itemFIRST ITEMTHIRD ITEMFIRST ITEMSECOND ITEM"

end_session
# Each pasted item went to the head (the defaults insert at the head); "Delete" left them.
assert_eq "$(captions)" "second item|first item|third item" "items after the pastes and \"Delete\""
