# The hot-menu window as a user meets it: collapsed to its caption at m_ptHot, expanded by
# its caption button to the main menu's rows, a click on a row pastes that item into the
# application the user works in, resting on a collection's row opens its popup, and it
# collapses again; its width is kept. Screenshots: hot-menu-collapsed.png,
# hot-menu-expanded.png, hot-menu-popup.png (and -zoom.png at 3x).
X=700
Y=150
add_item --text "Older words"
add_item --text "Newest words"
qbx add "$(program_file Letters.qbx)" --text "Kind regards" >/dev/null || fail "qbx add"
qbx_set m_nHotStyle=7 m_ptHot.x=$X m_ptHot.y=$Y m_nHotMenuWidth=170

# hot_place: l t r b of the hot-menu window; height_is -lt|-gt N: its height against N.
hot_place() { read -r l t r b <<<"$(hot_rect)"; }
height_is() { hot_place && [ $((b - t)) "$1" "$2" ]; }
shot() { screenshot "$1" 360x200+$((X - 20))+$((Y - 20)) 300%; }
# The collapse/expand button sits at the right end of the caption.
click_button() { hot_place && click_at $((r - 12)) $((t + 11)); }

start_target plain
start_running
wait_for "the collapsed hot-menu to be its caption only" height_is -lt 30
assert_eq "$l $t" "$X $Y" "the collapsed hot-menu's place"
# The caption's picture: a free service's green round the clip's white wire.
wait_for "the caption's picture" pixel_is $((X + 16)) $((Y + 10)) "#2E9A3C"
assert_eq "$(pixel $((X + 7)) $((Y + 10)))" "#FFFFFF" "the clip's wire in the caption"
caption=$((b - t)) # with the upper frame
shot hot-menu-collapsed

click_button
wait_for "the hot-menu to expand" height_is -gt 60
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
click_at $((l + 60)) "$(row_y 0)"
wait_target_text "Newest words"

click_button
wait_for "the hot-menu to collapse" height_is -lt 30
end_session
assert_eq "$(pref m_nHotMenuWidth)" 170 "the width kept"
