# A Rich Text item pasted into a rich edit control arrives with its formatting: the control
# received the "Rich Text Format" the program put on the clipboard, not only the plain text.
. "$QBX_ROOT/tests/e2e/lib/paste.sh"
rtf="$QBX_PROGRAM_DIR/../item.rtf"
printf '%s' '{\rtf1\ansi\deff0{\fonttbl{\f0 Arial;}}\f0 plain {\b bold} words\par}' >"$rtf"
add_item --rtf "$rtf"
# Wine's rich edit control pastes on Ctrl+V only, not on Shift+Insert.
qbx_set m_nSuperHotKey=1 m_dwOptions=0xF92D # the defaults with Ctrl+V for Shift+Insert
start_target rich
start_capturing

super_hot_key alt 1
wait_for "the rich edit control to hold the pasted words" grep -q 'plain bold words' "$TARGET_OUT.txt"
release_modifier
# The control's own Rich Text has the item's font, and only the middle word is bold (the
# control's own text is plain Courier New).
rtf=$(tr -d '\r\n\0' <"$TARGET_OUT.rtf")
case "$rtf" in
*Arial*) ;;
*) fail "the item's font did not arrive: $rtf" ;;
esac
printf '%s' "$rtf" | grep -q 'plain *\\b *bold *\\b0' ||
    fail "the middle word is not the only bold one: $rtf"
