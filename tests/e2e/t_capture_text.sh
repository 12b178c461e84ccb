# Text cut on the X clipboard becomes an item of the active collection and, with autosave
# on, is in Clipboard.qbx at once: newest first, the same text twice kept once, never more
# items than the capacity, and all of it still there after the session ends.
qbx_set m_dwOptions=0xF15D m_nMaxItems=3 # the defaults plus autosave
clip_set "cut before the start"
start_quillbox
wait_capturing
wait_captions "cut before the start"

cut_spacing
clip_set "second cut"
wait_captions "second cut|cut before the start"
cut_spacing
clip_set "third cut"
wait_captions "third cut|second cut|cut before the start"
cut_spacing
clip_set "second cut"
wait_captions "second cut|third cut|cut before the start"
cut_spacing
clip_set "fourth cut"
wait_captions "fourth cut|second cut|third cut"

end_session
assert_eq "$(captions)" "fourth cut|second cut|third cut" "items after the session end"
assert_eq "$(items | cut -f2 | paste -sd ' ')" "text text text" "item types"
