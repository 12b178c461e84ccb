# Alt+1 and Alt+2 (super hot keys, m_nSuperHotKey=1) paste the first or second item into the
# application in front, without a menu; a Rich Text item reaches a rich edit control with its
# formatting (the "Rich Text Format" the program put on the clipboard, not only the plain
# text). The pasted item moves to the head, so Alt+1 then pastes the item last pasted.
. "$QBX_ROOT/tests/e2e/lib/paste.sh"
rtf="$QBX_PROGRAM_DIR/../item.rtf"
printf '%s' '{\rtf1\ansi\deff0{\fonttbl{\f0 Arial;}}\f0 plain {\b bold} words\par}' >"$rtf"
add_item --text "second item"
add_item --rtf "$rtf"
# Wine's rich edit control pastes on Ctrl+V only, not on Shift+Insert.
qbx_set m_nSuperHotKey=1 m_dwOptions=0xF92D # the defaults with Ctrl+V for Shift+Insert
start_target rich
start_capturing

pasted() { [ "$(grep -o "$1" "$TARGET_OUT.txt" | wc -l)" -eq "$2" ]; } # TEXT TIMES

super_hot_key alt 1
wait_for "the rich edit control to hold the pasted words" pasted 'plain bold words' 1
assert_true "no menu opens for a super hot key" no_menus
release_modifier
# The control's own Rich Text has the item's font, and only the middle word is bold (the
# control's own text is plain Courier New).
rich=$(tr -d '\r\n\0' <"$TARGET_OUT.rtf")
case "$rich" in
*Arial*) ;;
*) fail "the item's font did not arrive: $rich" ;;
esac
printf '%s' "$rich" | grep -q 'plain *\\b *bold *\\b0' ||
    fail "the middle word is not the only bold one: $rich"

super_hot_key alt 2
wait_for "the second item at the target" pasted 'second item' 1
assert_true "no menu opens for a super hot key" no_menus
release_modifier
super_hot_key alt 1
wait_for "the item last pasted at the target again" pasted 'second item' 2
release_modifier

end_session
assert_eq "$(captions)" "second item|plain bold words " "items after the pastes"
