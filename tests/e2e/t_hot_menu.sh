# The hot-menu window as a user meets it: collapsed to its caption at m_ptHot, expanded by
# its caption button to the main menu's rows, a click on a row pastes that item into the
# application the user works in, resting on a collection's row opens its popup, and it
# collapses again; its width is kept. Screenshots: hot-menu-collapsed.png,
# hot-menu-expanded.png, hot-menu-popup.png (and -zoom.png at 3x).
. "$QBX_ROOT/tests/e2e/lib/paste.sh"
X=700
Y=150
add_item --text "Older words"
add_item --text "Newest words"
qbx add "$(program_file Letters.qbx)" --text "Kind regards" >/dev/null || fail "qbx add"
qbx_set m_nHotStyle=7 m_ptHot.x=$X m_ptHot.y=$Y m_nHotMenuWidth=170

# height_over N, height_under N: the hot-menu window is taller (expanded) or lower than N.
height_over() { read -r l t r b <<<"$(hot_rect)"; [ $((b - t)) -gt "$1" ]; }
height_under() { read -r l t r b <<<"$(hot_rect)"; [ $((b - t)) -lt "$1" ]; }
shot() { screenshot "$1" 360x200+$((X - 20))+$((Y - 20)) 300%; }
# The collapse/expand button sits at the right end of the caption.
click_button() {
    read -r l t r b <<<"$(hot_rect)"
    point_at $((r - 12)) $((t + 11))
    xdotool click 1
}

start_target plain
start_quillbox
wait_frame
read -r l t r b <<<"$(hot_rect)"
assert_eq "$l $t" "$X $Y" "the collapsed hot-menu's place"
wait_for "the collapsed hot-menu to be its caption only" height_under 30
read -r l t r b <<<"$(hot_rect)"
caption=$((b - t)) # with the upper frame
shot hot-menu-collapsed

click_button
wait_for "the hot-menu to expand" height_over 60
read -r l t r b <<<"$(hot_rect)"
assert_eq "$((r - l))" 170 "the expanded width from m_nHotMenuWidth"
shot hot-menu-expanded

# Under the caption three rows of one height: "Newest words", "Older words", "Letters"; the
# lower frame is a few pixels.
row=$(((b - t - caption - 4) / 3))
row_y() { printf '%s' $((b - 4 - (3 - $1) * row + row / 2)); }
point_at $((l + 60)) "$(row_y 2)"
qbxctl wait-menus 1 "$QBX_TIMEOUT" >/dev/null || fail "resting on the collection's row opened no popup"
shot hot-menu-popup
xdotool key Escape
wait_for "the popup to close" no_menus

# A click on the first row pastes it where the user works.
point_at $((l + 60)) "$(row_y 0)"
xdotool click 1
wait_target_text "Newest words"

click_button
wait_for "the hot-menu to collapse" height_under 30
end_session
assert_eq "$(pref m_nHotMenuWidth)" 170 "the width kept"
