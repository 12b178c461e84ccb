# Cuts made while the main menu is open are kept, but only once the entry chosen in it has
# been pasted: the menu's entries stay what they were, the chosen one is pasted even though
# the cuts would have pushed it out of a full collection, and the cuts then come first.
# Text beyond the ANSI code page, cut on the X clipboard as UTF-8, stays whole: in
# Clipboard.qbx, in the menu (build/screens/menu_unicode.png) and pasted into a Unicode edit
# control.
for i in 8 7 6 5 4 3 2 1; do
    add_item --text "item $i"
done
qbx_set m_dwOptions=0xF15D # the defaults (8 items at most) plus autosave
watch="$QBX_PROGRAM_DIR/../watch.log"
start_watcher "$watch"
start_with_target plain
full="item 1|item 2|item 3|item 4|item 5|item 6|item 7|item 8"
assert_eq "$(captions)" "$full" "items at the start"

greek='Καλημέρα κόσμε'
mixed='Grüße — 日本語 ✓ 😀'
open_menu
for cut in "menu cut" "$greek" "$mixed"; do
    clip_set "$cut"
    wait_watched "$watch" "$cut" # Quillbox has handled it
    cut_spacing
done
no_menus && fail "the main menu closed while cuts were made"
assert_eq "$(captions)" "$full" "items while the menu is open"

# "8" chooses the eighth entry, the oldest item.
xdotool key 8
wait_target_text "item 8"
# Captions are ANSI text: the two beyond it are compared whole with their items' text.
older() { [ "$(captions | cut -d'|' -f3-)" = "menu cut|item 8|item 1|item 2|item 3|item 4" ]; }
wait_for "the cuts to come first" older
shows() { [ "$(qbx show "$(program_file Clipboard.qbx)" "$1")" = "$2" ]; }
assert_true "the mixed cut whole in Clipboard.qbx" shows 1 "$mixed"
assert_true "the Greek cut whole in Clipboard.qbx" shows 2 "$greek"

open_menu
screenshot menu_unicode
xdotool key 2
wait_target_text "item 8$greek"
end_session
assert_true "the pasted Greek item first and whole in Clipboard.qbx" shows 1 "$greek"
