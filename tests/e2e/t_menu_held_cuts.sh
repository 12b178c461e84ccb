# Cuts made while the main menu is open are kept, but only once the entry chosen in it has
# been pasted: the menu's entries stay what they were, the chosen one is pasted even though
# the cuts would have pushed it out of a full collection, and the cuts then come first.
. "$QBX_ROOT/tests/e2e/lib/paste.sh"
for i in 8 7 6 5 4 3 2 1; do
    add_item --text "item $i"
done
qbx_set m_dwOptions=0xF15D # the defaults (8 items at most) plus autosave
watch="$QBX_PROGRAM_DIR/../watch.log"
start_watcher "$watch"
start_target plain
start_capturing
full="item 1|item 2|item 3|item 4|item 5|item 6|item 7|item 8"
assert_eq "$(captions)" "$full" "items at the start"

open_menu
for n in 1 2 3; do
    clip_set "menu cut $n"
    wait_watched "$watch" "menu cut $n" # Quillbox has handled it
    cut_spacing
done
no_menus && fail "the main menu closed while cuts were made"
assert_eq "$(captions)" "$full" "items while the menu is open"

# "8" chooses the eighth entry, the oldest item.
xdotool key 8
wait_target_text "item 8"
wait_captions "menu cut 3|menu cut 2|menu cut 1|item 8|item 1|item 2|item 3|item 4"

end_session
assert_eq "$(captions)" "menu cut 3|menu cut 2|menu cut 1|item 8|item 1|item 2|item 3|item 4" \
    "items after the end"
