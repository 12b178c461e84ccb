# With "Drop file" on, a file-list item reaches the target window as WM_DROPFILES, with its
# paths, and nothing is typed.
. "$QBX_ROOT/tests/e2e/lib/paste.sh"
add_item --files 'C:\windows\win.ini' 'C:\windows\system.ini'
qbx_set m_nSuperHotKey=1 m_dwOptions=0x1F91D # the defaults and OPT_PASTE_DROP_FILE
start_target plain
start_capturing

super_hot_key alt 1
wait_for "WM_DROPFILES at the target" grep -q '^drop' "$TARGET_OUT.log"
release_modifier
assert_eq "$(target_text)" "" "text typed into the target"
qbxctl clip-has 15 && fail "the list went by the clipboard (CF_HDROP)"
assert_eq "$(grep -c '^drop' "$TARGET_OUT.log")" 1 "WM_DROPFILES messages"
# Windows hands the drop block to the receiving process; Wine passes the bare handle, which
# means nothing there. The block's bytes are checked by the unit tests.
drop=$(grep '^drop' "$TARGET_OUT.log" | tr -d '\r')
if [ "$drop" != 'drop 2 C:\windows\win.ini|C:\windows\system.ini' ]; then
    note "skipped under Wine: the paths of the drop ('$drop'): Wine does not carry HDROP blocks across processes"
fi
