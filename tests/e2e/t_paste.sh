# Pasting into the application in front. Through the main menu, opened by Alt+Shift+Insert:
# an entry clicked with Ctrl held arrives as plain text only; the counter item of an external
# collection, chosen with the keyboard, pastes its number and the counter advances in
# Clipboard.qbx. Alt+1 and Alt+2 (super hot keys, m_nSuperHotKey=1) paste the first or
# second item without a menu; a Rich Text item reaches a rich edit control with its
# formatting (the "Rich Text Format" the program put on the clipboard, not only the plain
# text). The pasted item moves to the head, so Alt+1 then pastes the item last pasted. With
# "Drop file" on, a file-list item reaches the target window as WM_DROPFILES and nothing
# is typed.
add_item --files 'C:\windows\win.ini' 'C:\windows\system.ini'
add_item --text "second item"
# The head, the menu's first entry:
add_item --rtf <(printf '%s' '{\rtf1\ansi\deff0{\fonttbl{\f0 Arial;}}\f0 plain {\b bold} words\par}')
qbx add "$(program_file Counters.qbx)" --text "Invoice #%d" --caption "+1 invoice" >/dev/null
# Wine's rich edit control pastes on Ctrl+V only, not on Shift+Insert.
# The defaults, Ctrl+V for Shift+Insert and "Drop file".
qbx_set m_nSuperHotKey=1 m_nCounter1=7 m_dwOptions=0x1F92D
start_with_target rich

pasted() { [ "$(grep -o "$1" "$TARGET_OUT.txt" | wc -l)" -eq "$2" ]; } # TEXT TIMES
rich() { tr -d '\r\n\0' <"$TARGET_OUT.rtf"; }

# The first entry, the Rich Text item, clicked with Ctrl held; the menu opened at the pointer,
# which rests on its corner, not on an entry.
open_menu
xdotool keydown ctrl
qbxctl wait-key 17 "$QBX_TIMEOUT" || fail "Wine did not see Ctrl held" # VK_CONTROL
xdotool mousemove $((l + 40)) $((t + 10)) click 1
wait_for "the Rich Text item's words at the target" pasted 'plain bold words' 1
xdotool keyup ctrl
[[ "$(rich)" != *Arial* && "$(rich)" != *'\b '* ]] || fail "formatting arrived with Ctrl held: $(rich)"

open_menu
xdotool key Down Down Down Down Right # the collection "Counters", after the three items
menu_rect 2 >/dev/null || fail "the collection's submenu did not open"
xdotool key Return
wait_for "the counter's number at the target" pasted "Invoice #7" 1
wait_for "the menus to close" no_menus

# super_key N TEXT TIMES: Alt+N pastes, TEXT is at the target TIMES times, no menu opened.
# Alt is held until the paste has arrived, as a person keeps holding it.
super_key() {
    xdotool keydown alt key "$1"
    wait_for "'$2' $3 times at the target after Alt+$1" pasted "$2" "$3"
    assert_true "no menu opens for Alt+$1" no_menus
    xdotool keyup alt
}
super_key 1 'plain bold words' 2
# The control's own Rich Text has the item's font, and only the middle word is bold (the
# control's own text is plain Courier New).
[[ "$(rich)" == *Arial* ]] || fail "the item's font did not arrive: $(rich)"
rich | grep -q 'plain *\\b *bold *\\b0' || fail "the middle word is not the only bold one: $(rich)"

super_key 2 'second item' 1
super_key 1 'second item' 2 # the item last pasted

typed=$(target_text)
xdotool keydown alt key 3
wait_for "WM_DROPFILES at the target" grep -q '^drop' "$TARGET_OUT.log"
xdotool keyup alt
qbxctl clip-has 15 && fail "the list went by the clipboard (CF_HDROP)"
assert_eq "$(grep -c '^drop' "$TARGET_OUT.log")" 1 "WM_DROPFILES messages"
# Windows hands the drop block to the receiving process; Wine passes the bare handle, which
# means nothing there. The block's bytes are checked by the unit tests.
assert_eq "$(target_text)" "$typed" "the target's text after the file list"

end_session
assert_eq "$(captions)" "win.ini + 1 file|second item|plain bold words " "items after the pastes"
assert_eq "$(pref m_nCounter1)" 8 "counter 1 after its item was pasted"
