# Nothing in the way of a save costs a cut: a damaged Clipboard.qbx is kept beside before it
# is written, a file another program holds open is written in place, and one that cannot be
# written is told about, kept in memory and written once it can be.
file=$(program_file Clipboard.qbx)
outside="$QBX_PROGRAM_DIR/.."

# hold_file SHARE: another program holds Clipboard.qbx open until release_file ("rw": as
# viewers and virus scanners do, sharing reading and writing but not deletion; "none":
# exclusively).
hold_file() {
    rm -f "$outside/release" "$outside/holder.out"
    start_helper "the file to be held ($1)" "$outside/holder.out" held "$QBXCTL" hold \
        "$(windows_path "$file")" "$1" "$(windows_path "$outside")\\release" "$QBX_TIMEOUT"
}
release_file() {
    : >"$outside/release"
    wait_ended "$HELPER_PID" "the holder to let the file go"
}

# A Clipboard.qbx of a newer version; an empty "collection file" links outside the folder.
qbx_set m_nMaxItems=20
printf '3.0' | dd of="$file" bs=1 seek=5 conv=notrunc 2>/dev/null
cp "$file" "$outside/damaged"
: >"$outside/victim"
ln -s ../victim "$(program_file Empty.qbx)"

start_capturing
end_session
assert_true "the damaged file was not kept as Clipboard.qbx.damaged-1" \
    cmp "$outside/damaged" "$file.damaged-1"
assert_true "Clipboard.qbx was not written whole at the session's end" qbx check "$file"
assert_true "start-up deleted a file outside the program folder through a link" \
    test -e "$outside/victim"
assert_true "start-up deleted the link" test -L "$(program_file Empty.qbx)"

# Autosave on, and a temporary file an earlier save left behind.
qbx_set m_dwOptions=0xF95D
printf 'stray' >"$file.7.tmp"
start_capturing
assert_false "the stray temporary file was not removed at start-up" test -e "$file.7.tmp"

hold_file rw
clip_set "saved while held open"
wait_captions "saved while held open"
release_file

hold_file none
cut_spacing
clip_set "cut while locked"
box=$(qbxctl dialog Quillbox "$QBX_TIMEOUT") || fail "no message about the failed save"
screenshot save-failed
printf '%s' "$box" | grep -qiF "could not save $(windows_path "$file"):" ||
    fail "the message does not name the file: $box"
assert_eq "$(captions)" "saved while held open" "the locked file changed"
press Quillbox 1
wait_for "the message to be closed" eval '! qbxctl dialog Quillbox 0'
release_file
cut_spacing
clip_set "after the lock"
wait_captions "after the lock|cut while locked|saved while held open"

# A session that ends while the file cannot be written ends with a failure status.
hold_file none
end_session 2
release_file
