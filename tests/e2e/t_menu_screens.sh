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
menu_rect() { qbxctl wait-menus "${1:-1}" 5 | tr -d '\r' | sed -n "${2:-1}p"; }
# Entries are filled with these colours, highlighted or not.
HIGHLIGHT=$(qbxctl syscolor 2 | tr -d '\r') # COLOR_ACTIVECAPTION
MENU_BACK=$(qbxctl syscolor 4 | tr -d '\r')  # COLOR_MENU
# row_x_y ROW RECT ROWS: where the pointer goes on that row (0-based) of the menu at RECT
# "l t r b" with ROWS rows: X Y, and the X of the row's first pixel column, which is only
# ever filled (the icon starts a pixel further in).
row_x_y() {
    local row=$1 rows=$3 l t r b h
    read -r l t r b <<<"$2"
    h=$(((b - t - 6) / rows)) # the menu's frame takes 3 pixels above and below
    printf '%s %s %s\n' $((l + 40)) $((t + 3 + row * h + h / 2)) $((l + 3))
}
# point_at_row ROW RECT ROWS: highlighting follows the mouse; returns once the row shows
# highlighted. Sets POINTER_X and POINTER_Y.
point_at_row() {
    local edge
    read -r POINTER_X POINTER_Y edge <<<"$(row_x_y "$@")"
    xdotool mousemove "$POINTER_X" "$POINTER_Y"
    wait_for "row $1 of the menu at $2 to show highlighted" \
        pixel_is "$edge" "$POINTER_Y" "$HIGHLIGHT"
}
# wait_tip: the preview tip shows the highlighted entry: shown, and moved beside the pointer
# when its subject changed.
wait_tip() {
    qbxctl wait-shown QuillboxPreviewTip "$QBX_TIMEOUT" $((POINTER_X + 10)) $((POINTER_Y + 20)) ||
        fail "no preview tip beside the pointer at $POINTER_X,$POINTER_Y"
}
no_tip() { ! qbxctl wait-shown QuillboxPreviewTip 0 >/dev/null 2>&1; }
# wait_painted RECT ROWS: the menu at RECT shows its entries (its first row, not highlighted).
wait_painted() {
    local x y edge
    read -r x y edge <<<"$(row_x_y 0 "$1" "$2")"
    wait_for "the menu at $1 to be painted" pixel_is "$edge" "$y" "$MENU_BACK"
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
wait_tip # the first tip of a menu shows after a second
shot menu-text-item
for shot in 1:menu-rtf-item 2:menu-html-item 3:menu-bitmap-item 4:menu-file-list \
    5:menu-scheduled-item; do
    point_at_row "${shot%%:*}" "$rect" 9
    wait_tip
    shot "${shot#*:}"
done

# The first collection's submenu with its counter item.
point_at_row 6 "$rect" 9
sub=$(qbxctl wait-menus 2 "$QBX_TIMEOUT" | tr -d '\r' | sed -n 1p) || fail "the collection submenu did not open"
point_at_row 1 "$sub" 2 # "+2Pass %u" with counter 2 at 7
wait_tip
shot menu-counter-item
point_at_row 7 "$rect" 9
sub=$(qbxctl wait-menus 2 "$QBX_TIMEOUT" | tr -d '\r' | sed -n 1p) ||
    fail "the second collection's submenu did not open"
wait_painted "$sub" 2
wait_tip # the help text of a collection's popup
shot menu-collections
point_at_row 8 "$rect" 9
sub=$(qbxctl wait-menus 2 "$QBX_TIMEOUT" | tr -d '\r' | sed -n 1p) || fail "the time submenu did not open"
point_at_row 1 "$sub" 6
wait_painted "$sub" 6
wait_for "the tip to go: time entries have none" no_tip
shot menu-time

# The context menu of an item, by a right click on its entry. The highlighted row has
# reported its entry when it shows highlighted.
point_at_row 1 "$rect" 9
xdotool click 3
qbxctl wait-menus 2 "$QBX_TIMEOUT" >/dev/null || fail "the right click opened no context menu"
ctx=$(menu_rect 2 1)
point_at_row 1 "$ctx" 18
wait_tip # the help text of the command, a second after the context menu opened
shot menu-item-context

# A click beside the menus closes them all.
xdotool mousemove 1100 700 click 1
wait_for "the menus to close after a click beside them" no_menus
assert_true "Quillbox.exe still runs after the menus" proc_alive "$QUILLBOX_PID"
qbxctl close Quillbox || fail "could not close the program"
wait_ended "$QUILLBOX_PID" "Quillbox.exe to end"
