# The main menu as a user sees it, captured into build/screens: over a plain text, a Rich
# Text, an HTML, a bitmap, a file-list, a scheduled and a counter item, two external
# collections and the time submenu, with a preview tip; and an item's context menu.
add() { qbx add "$(program_file "$1")" "${@:2}" >/dev/null || fail "qbx add $*"; }

# The default options plus the time submenu and HTML; head insertion, so the last added
# item comes first. Counter 2 is 7.
qbx_set m_dwOptions=0x0400FD1D m_nCounter2=7 m_nHotStyle=0
add Clipboard.qbx --text "News at half past eight" \
    --caption "Morning news <08:30,*,*,* *:* *:*,* *:*,*,*,* 00>"
add Clipboard.qbx --files 'C:\users\me\Documents\report.doc' 'C:\users\me\Documents\budget.xls'
add Clipboard.qbx --bmp <(convert -size 180x110 gradient:'#8ecbf0'-'#2a5b9a' -fill '#ffd23a' \
    -draw 'circle 140,28 152,28' -fill '#2e9a3c' \
    -draw 'polygon 0,110 0,80 60,45 110,95 140,70 180,100 180,110' bmp3:-)
add Clipboard.qbx --text "Meeting notes for Monday" --html "<p>Meeting <b>notes</b> for Monday</p>"
add Clipboard.qbx --rtf <(printf '{\\rtf1\\ansi Quarterly {\\b report} draft, second version}')
add Clipboard.qbx --text "Dear Ms. Miller, thank you for your letter of March 3rd. We have looked into the matter and will send you the corrected invoice by the end of the week."
add Counters.qbx --text "Pass 7" --caption "+2Pass %u"
add Counters.qbx --text "Dear colleague," --caption "+Dear colleague"
add Letters.qbx --text "Kind regards, Ann"
add Letters.qbx --text "Best wishes"

start_with_target plain # hot keys reach the program while a window of Wine has the focus

# wait_tip: the preview tip shows the highlighted entry: shown, and moved beside the pointer
# when its subject changed.
wait_tip() {
    qbxctl wait-shown QuillboxPreviewTip "$QBX_TIMEOUT" $((AT_X + 10)) $((AT_Y + 20)) ||
        fail "no preview tip beside the pointer at $AT_X,$AT_Y"
}
# shot NAME: the screen around the menus (they open at 200,150), as build/screens/NAME.png.
shot() { screenshot "$1" 760x460+150+110; }
# submenu ROW ENTRIES: the pointer on ROW of the main menu opens a submenu of ENTRIES.
submenu() {
    RECT=$main ROW=$main_row
    point_at_row "$1"
    menu_shown "$2" 2
}

xdotool mousemove 200 150
press_menu_hot_key
# Rows: 0 text, 1 Rich Text, 2 HTML, 3 bitmap, 4 files, 5 scheduled, 6 Counters,
# 7 Letters, 8 Time...
menu_shown 9
main=$RECT main_row=$ROW
point_at_row 0
wait_tip # the first tip of a menu shows after a second
shot menu-text-item
for shot in 1:menu-rtf-item 2:menu-html-item 3:menu-bitmap-item 4:menu-file-list \
    5:menu-scheduled-item; do
    point_at_row "${shot%%:*}"
    wait_tip
    shot "${shot#*:}"
done

# The first collection's submenu with its counter item.
submenu 6 2
point_at_row 1 # "+2Pass %u" with counter 2 at 7
wait_tip
shot menu-counter-item
submenu 7 2
row_shows 0 "$(qbxctl syscolor 4)" # painted: its first row, not highlighted, in COLOR_MENU
wait_tip # the help text of a collection's popup
shot menu-collections
submenu 8 6
point_at_row 1
row_shows 0 "$(qbxctl syscolor 4)"
wait_for "the tip to go: time entries have none" eval '! qbxctl wait-shown QuillboxPreviewTip 0'
shot menu-time

# The context menu of an item, by a right click on its entry. The highlighted row has
# reported its entry when it shows highlighted.
RECT=$main ROW=$main_row
context_menu 1
menu_shown 18 2
point_at_row 1
wait_tip # the help text of the command, a second after the context menu opened
shot menu-item-context

# A click beside the menus closes them all.
xdotool mousemove 1100 700 click 1
wait_for "the menus to close after a click beside them" no_menus
end_session
