# The pointer resting on the top edge of the screen opens the main menu: a little lower and
# to the left, so that the pointer is not left on an entry; choosing from it pastes into the
# application that was in front.
. "$QBX_ROOT/tests/e2e/lib/paste.sh"
add_item --text "from the top edge"
start_target plain
start_capturing

xdotool mousemove 500 0 || fail "xdotool could not move the pointer"
RECT=$(menu_rect 1) ||
    fail "resting on the top edge did not open the main menu"
read -r left top right bottom <<<"$RECT"
assert_eq "$left $top" "400 100" "top-left corner of the menu opened from (500, 0)"

xdotool mousemove $((left + 40)) $(((top + bottom) / 2)) click 1
wait_target_text "from the top edge"
