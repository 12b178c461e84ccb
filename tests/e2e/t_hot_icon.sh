# The hot-icon as a user meets it: drawn where m_ptHot says in the style of the file, then
# in every other style chosen from the Preferences of the application menu (a left click
# on the icon opens it); an external picture that is no strip of three frames falls back to
# the classic one; dragging moves the icon and the place is kept; text dragged onto it from
# another program becomes an item. (A right click on it opens the main menu: t_capture,
# t_camera.) Screenshots of every style in build/screens (hot-icon-STYLE.png, 1x, and
# -zoom.png, 4x).
X=300
Y=200
add_item --text "Kept words"
# The defaults plus autosave (a drop is kept at once).
qbx_set m_nHotStyle=5 m_ptHot.x=$X m_ptHot.y=$Y m_dwOptions=0xF95D
RES="$QBX_ROOT/res/hot"

# drawn NAME BMP DX DY: the hot-icon shows the free frame of BMP at (X, Y), its pixel
# (DX, DY) on the screen, and its transparent top-left corner shows the desktop.
drawn() {
    local name=$1 bmp=$2 dx=$3 dy=$4 want
    want=$(colour_of "$bmp" "$dx" "$dy")
    [ -n "$want" ] || fail "cannot read $bmp"
    wait_for "the $name hot-icon drawn at $X,$Y" pixel_is $((X + dx)) $((Y + dy)) "$want"
    read -r l t r b <<<"$(hot_rect)"
    assert_eq "$l $t" "$X $Y" "the $name hot-icon's place"
    [ "$(colour_of "$bmp" 0 0)" != "#FF00FF" ] || pixel_is "$X" "$Y" "#000000" ||
        fail "the $name hot-icon is not shaped to its picture"
    screenshot "hot-icon-$name" "$(around "$l $t $r $b" 10)" 400%
}

# choose_style N: left click on the icon, then Preferences (after New collection, Camera,
# Player, Scheduler, Save and refresh, Pause service) > Hot Icons && Hot Menu > style N.
choose_style() {
    open_app_menu $((X + 10)) $((Y + 10))
    keys_to_submenu 6
    keys_to_submenu 1
    [ "$1" -eq 0 ] || xdotool key --repeat "$1" Down
    xdotool key Return
    wait_for "the menus to close after choosing style $1" no_menus
}

# drag X,Y X,Y...: the left button pressed at the first point and released at the last; the
# pointer moves through the others as a hand does, not in one jump: the drag follows each step.
drag() {
    local at
    point_at "${1%,*}" "${1#*,}"
    xdotool mousedown 1
    for at in "${@:2}"; do point_at "${at%,*}" "${at#*,}"; done
    xdotool mouseup 1
}

start_running
drawn xp-clock "$RES/142_xp_clock.bmp" 4 15
choose_style 1
drawn simple "$RES/138_simple.bmp" 3 20
choose_style 2
drawn classic "$RES/139_classic.bmp" 4 15
choose_style 3
drawn classic-clock "$RES/140_classic_clock.bmp" 4 15
choose_style 4
drawn xp "$RES/141_xp.bmp" 4 15

# "External Bitmap": a picture not three frames wide stands in as the classic one...
convert -size 61x24 xc:'#2050D0' "bmp3:$QBX_PROGRAM_DIR/Quillbox.bmp" || fail "convert"
choose_style 6
drawn external-unusable "$RES/139_classic.bmp" 4 15
# ... and a usable one is shown, shaped to its own transparent corners.
mine="$QBX_PROGRAM_DIR/../mine.bmp"
convert -size 20x24 xc:'#2050D0' xc:'#D07020' xc:'#7030A0' +append -fill magenta \
    -draw 'point 0,0' -draw 'point 20,0' -draw 'point 40,0' -type truecolor "bmp3:$mine" || fail "convert"
cp "$mine" "$QBX_PROGRAM_DIR/Quillbox.bmp"
choose_style 6
drawn external "$mine" 10 10

# Text dragged from another program onto the icon becomes an item.
dragged="$QBX_PROGRAM_DIR/../drag.log"
start_helper "the drag source" "$dragged" ready "$PASTETARGET" "${dragged%.log}" drag 120 "Words dragged over"
drag 150,150 160,153 200,168 250,187 280,198 305,208 310,210 # onto the icon at X+10, Y+10
wait_for "the drop to be taken" grep -q '^dropped 1' "$dragged"
wait_captions "Words dragged over|Kept words"

# A drag moves the icon; its place is in the file after the session.
drag 310,210 320,215 340,225 370,240 410,260
moved() { read -r l t r b <<<"$(hot_rect)"; [ "$l $t" = "$((X + 100)) $((Y + 50))" ]; }
wait_for "the icon at its new place" moved
end_session
assert_eq "$(pref m_ptHot.x) $(pref m_ptHot.y) $(pref m_nHotStyle)" "$((X + 100)) $((Y + 50)) 0x6" \
    "the place and the style kept in Clipboard.qbx"
