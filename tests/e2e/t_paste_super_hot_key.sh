# Alt+1 and Alt+2 (super hot keys, m_nSuperHotKey=1) paste the first or second item into the
# application in front, without a menu; the pasted item moves to the head of the collection,
# so Alt+1 then pastes the item last pasted.
. "$QBX_ROOT/tests/e2e/lib/paste.sh"
add_item --text "second item"
add_item --text "first item"
qbx_set m_nSuperHotKey=1
start_target plain
start_capturing

no_menu_shown() { ! qbxctl wait-menus 1 0 >/dev/null 2>&1; }

super_hot_key alt 1
wait_target_text "first item"
assert_true "no menu opens for a super hot key" no_menu_shown
release_modifier
super_hot_key alt 2
wait_target_text "first itemsecond item"
assert_true "no menu opens for a super hot key" no_menu_shown
release_modifier
super_hot_key alt 1
wait_target_text "first itemsecond itemsecond item"
release_modifier

end_session
assert_eq "$(captions)" "second item|first item" "items after the pastes"
