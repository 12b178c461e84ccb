# The main menu as a user sees it, captured into build/screens: over a plain text, a Rich
# Text, an HTML, a bitmap, a file-list, a scheduled and a counter item, two external
# collections and the time submenu, with a preview tip; and an item's context menu.
active=$(program_file Clipboard.qbx)
data="$QBX_PROGRAM_DIR/../data"
mkdir -p "$data"

add() { qbx add "$@" >/dev/null || fail "qbx add $*"; }

# The default options plus the time submenu and HTML; head insertion, so the last added
# item comes first. Counter 2 is 7.
qbx_set m_dwOptions=0x0400FD1D m_nCounter2=7 m_nHotStyle=0
printf '{\\rtf1\\ansi Quarterly {\\b report} draft, second version}' >"$data/report.rtf"
convert -size 180x110 gradient:'#8ecbf0'-'#2a5b9a' -fill '#ffd23a' -draw 'circle 140,28 152,28' \
    -fill '#2e9a3c' -draw 'polygon 0,110 0,80 60,45 110,95 140,70 180,100 180,110' \
    "bmp3:$data/picture.bmp" || fail "convert"
add "$active" --text "News at half past eight" \
    --caption "Morning news <08:30,*,*,* *:* *:*,* *:*,*,*,* 00>"
add "$active" --files 'C:\users\me\Documents\report.doc' 'C:\users\me\Documents\budget.xls'
add "$active" --bmp "$data/picture.bmp"
add "$active" --text "Meeting notes for Monday" --html "<p>Meeting <b>notes</b> for Monday</p>"
add "$active" --rtf "$data/report.rtf"
add "$active" --text "Dear Ms. Miller, thank you for your letter of March 3rd. We have looked into the matter and will send you the corrected invoice by the end of the week."
counters=$(program_file Counters.qbx)
add "$counters" --text "Pass 7" --caption "+2Pass %u"
add "$counters" --text "Dear colleague," --caption "+Dear colleague"
letters=$(program_file Letters.qbx)
add "$letters" --text "Kind regards, Ann"
add "$letters" --text "Best wishes"

start_quillbox
wait_frame

# open_menu: opens the main menu (as the hot keys do) and waits until it is shown.
open_menu() {
    qbxctl service Quillbox 0 32792 || fail "could not post the open-menu command"
    qbxctl wait-menus 1 "$QBX_TIMEOUT" >/dev/null || fail "the main menu did not open"
}
# The menu's first row under the pointer: highlighting follows the mouse.
menu_rect() { qbxctl wait-menus "${1:-1}" 5 | tr -d '\r' | sed -n "${2:-1}p"; }
point_at_row() { # row (0-based), menu rect "l t r b", rows in that menu
    local row=$1 rows=$3 l t r b h
    read -r l t r b <<<"$2"
    h=$(((b - t - 6) / rows)) # the menu's frame takes 3 pixels above and below
    xdotool mousemove $((l + 40)) $((t + 3 + row * h + h / 2))
}
# shot NAME: the screen around the menus (they open at 200,150), as build/screens/NAME.png.
shot() {
    screenshot "$1"
    convert "$QBX_SCREENS/$1.png" -crop 760x460+150+110 +repage "$QBX_SCREENS/$1.png" ||
        note "cropping $1 failed"
}
no_menus() { ! qbxctl wait-menus 1 0 >/dev/null 2>&1; }

xdotool mousemove 200 150
open_menu
rect=$(menu_rect)
note "main menu at $rect"
# Rows: 0 text, 1 Rich Text, 2 HTML, 3 bitmap, 4 files, 5 scheduled, 6 Counters,
# 7 Letters, 8 Time...
point_at_row 0 "$rect" 9
# The first tip of a menu shows after a second.
qbxctl wait-shown QuillboxPreviewTip "$QBX_TIMEOUT" || fail "no preview tip over the first item"
shot menu-text-item
for shot in 1:menu-rtf-item 2:menu-html-item 3:menu-bitmap-item 4:menu-file-list \
    5:menu-scheduled-item; do
    point_at_row "${shot%%:*}" "$rect" 9
    sleep 0.5
    shot "${shot#*:}"
done

# The first collection's submenu with its counter item.
point_at_row 6 "$rect" 9
sub=$(qbxctl wait-menus 2 "$QBX_TIMEOUT" | tr -d '\r' | sed -n 1p) || fail "the collection submenu did not open"
point_at_row 1 "$sub" 2 # "+2Pass %u" with counter 2 at 7
sleep 0.5
shot menu-counter-item
point_at_row 7 "$rect" 9
qbxctl wait-menus 2 "$QBX_TIMEOUT" >/dev/null || fail "the second collection's submenu did not open"
sleep 0.5
shot menu-collections
point_at_row 8 "$rect" 9
sub=$(qbxctl wait-menus 2 "$QBX_TIMEOUT" | tr -d '\r' | sed -n 1p) || fail "the time submenu did not open"
point_at_row 1 "$sub" 6
sleep 0.5
shot menu-time

# The context menu of an item: as a right click on the entry asks for it.
point_at_row 1 "$rect" 9
sleep 0.3
qbxctl service Quillbox 0 32794 || fail "could not post the context-menu command"
qbxctl wait-menus 2 "$QBX_TIMEOUT" >/dev/null || fail "the context menu did not open"
ctx=$(menu_rect 2 1)
point_at_row 1 "$ctx" 18
sleep 1.2
shot menu-item-context

# A click beside the menus closes them all.
xdotool mousemove 1100 700 click 1
wait_for "the menus to close after a click beside them" no_menus
assert_true "Quillbox.exe still runs after the menus" proc_alive "$QUILLBOX_PID"
qbxctl close Quillbox || fail "could not close the program"
wait_ended "$QUILLBOX_PID" "Quillbox.exe to end"
