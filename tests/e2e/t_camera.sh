# The Camera as a user meets it: opened with "Camera" from the application menu (a left
# click on the hot-icon), it follows the pointer and shows the colour under it, an arrow
# key moves the pointer by one pixel, "32x32 icon" sizes the viewing area, and Copy puts
# the fragment and the colour on the clipboard, from where they become a bitmap item and a
# colour item. Opened again by clicks from an item's context menu, it is where it was and
# the item stays as it was; the copy counts in m_nPasteCount. Screenshots: camera-open.png
# (its first size) and camera.png (32 x 32).
X=600
Y=100
qbx_set m_nHotStyle=4 m_ptHot.x=$X m_ptHot.y=$Y m_dwOptions=0xF95D # autosave
RES="$QBX_ROOT/res/hot"
CAMERA="Quillbox Camera"

field_is() { [ "$(qbxctl text "$CAMERA" "$1")" = "$2" ]; } # ID TEXT
open_camera() {
    if [ "${1:-}" = item ]; then # the main menu, a right click on its second entry
        click_at $((X + 10)) $((Y + 10)) 3
        context_command 2 1 4
    else
        open_app_menu $((X + 10)) $((Y + 10))
        xdotool key Down Down Return # "New collection", "Camera"
    fi
    qbxctl wait-window "$CAMERA" "$QBX_TIMEOUT" || fail "the Camera did not open"
    wait_for "the menus to close" no_menus
}
# follow_to X Y: the pointer at X,Y once a tick of the Camera has seen it there. Every arrow
# press counts as a pointer move at the next tick, also a press that chose a size in the list,
# so a tick may still move the pointer on after it was put there: it is put back.
follow_to() {
    local deadline=$((SECONDS + QBX_TIMEOUT))
    until field_is 2010 "$1,$2" && qbxctl wait-cursor "$1" "$2" 0; do
        [ "$SECONDS" -lt "$deadline" ] || fail "the Camera did not see the pointer at $1,$2"
        xdotool mousemove "$1" "$2"
        sleep 0.3
    done
}
close_camera() {
    xdotool key Escape
    qbxctl wait-gone "$CAMERA" "$QBX_TIMEOUT" || fail "Esc did not close the Camera"
}

start_running
qbxctl hot Quillbox "$QBX_TIMEOUT" >/dev/null || fail "no hot-icon"
open_camera

# It follows the pointer: over the hot-icon it reads the icon's colour there.
tile=$(colour_of "$RES/141_xp.bmp" 4 15 | tr -d "#")
follow_to $((X + 4)) $((Y + 15))
wait_for "the colour under the pointer" field_is 2011 "$tile"
xdotool key Right
wait_for "one pixel right after the arrow key" field_is 2010 "$((X + 5)),$((Y + 15))"
camera_shot() { screenshot "$1" "$(around "$(qbxctl rect "$CAMERA")" 20)"; }
camera_shot camera-open

# "32x32 icon" from the size list: Down in its field chooses the next entry; the list
# opens at the size shown, which is not one of them, so the first Down gives "8x8".
press "$CAMERA" 2009
xdotool key Down Down Down # 8x8, 16x16, 32x32 icon
wait_for "the size chosen" field_is 2009 "32x32 icon"
# Back over the icon: the fragment is taken there again, at its new size.
follow_to $((X + 4)) $((Y + 15))
wait_for "the colour under the pointer" field_is 2011 "$tile"
camera_shot camera
press "$CAMERA" 2054 # Copy
wait_captions "Bitmap 001 (32x32x16M) 24 bits True Color|\"#$tile\""

# Closed and opened again from an item's context menu: at the same place.
place=$(qbxctl rect "$CAMERA")
close_camera
open_camera item
assert_eq "$(qbxctl rect "$CAMERA")" "$place" "the Camera's place at the next opening"
close_camera
end_session
assert_eq "$(pref m_nPasteCount)" 1 "the copy counted"
# "Camera" from an item's context menu neither pasted nor moved the item.
assert_eq "$(captions)" "Bitmap 001 (32x32x16M) 24 bits True Color|\"#$tile\"" "the items"
