# No cut is lost when it cannot be read as it is announced: one made while another program
# holds the clipboard, the last of a fast burst, and one made while the program is still
# reading a large cut are all kept.
qbx_set m_dwOptions=0xF15D m_nMaxItemSizeKB=0 # the defaults plus autosave; no size limit
start_capturing

# Another program opens the clipboard right after each cut and keeps it for a second.
qbxctl clip-held "held cut one" 1000 >/dev/null || fail "qbxctl clip-held"
wait_captions "held cut one"
cut_spacing
qbxctl clip-held "held cut two" 1000 >/dev/null || fail "qbxctl clip-held"
wait_captions "held cut two|held cut one"

# A burst of cuts, each within the repeat gate of the one before: the last one is kept.
cut_spacing
for i in $(seq 1 100); do
    clip_set "burst cut $i"
done
newest_is() { [ "$(captions | cut -d'|' -f1)" = "$1" ]; }
wait_for "the last cut of the burst to be kept" newest_is "burst cut 100"

# A short text cut while the program reads a large one (20 MB) from the clipboard.
cut_spacing
large="$QBX_PROGRAM_DIR/../large.txt"
head -c 20000000 /dev/zero | tr '\0' 'x' >"$large"
xclip -display "$DISPLAY" -selection clipboard -i "$large"
qbxctl clip-wait-open QuillboxService "$QBX_TIMEOUT" || fail "Quillbox never opened the clipboard for the large cut"
clip_set "cut during the large one"
wait_for "the cut made during the large one to be kept" newest_is "cut during the large one"
assert_eq "$(items | sed -n 2p | cut -f3)" 20000000 "the large cut, kept before it"

end_session
newest_is "cut during the large one" || fail "the newest item after the end: $(captions)"
