# Cuts made while the service is paused, and cuts their program marks as not to be kept
# ("Clipboard Viewer Ignore", or a Linux password manager's "x-kde-passwordManagerHint"),
# are not kept; the next viewer in the chain hears of every one.
qbx_set m_dwOptions=0xF15D
watch="$QBX_PROGRAM_DIR/../watch.log"
start_watcher "$watch"
start_capturing

clip_set "kept before the pause"
wait_captions "kept before the pause"
wait_watched "$watch" "kept before the pause"

qbxctl send Quillbox 32810 || fail "could not send the pause command"
cut_spacing
# Set through the Windows clipboard: a cut taken over from X may bring a second,
# later notification, which could arrive after the continue command below.
clipctl set "cut while paused" || fail "clipctl set"
wait_watched "$watch" "cut while paused"
qbxctl send Quillbox 32811 || fail "could not send the continue command"

cut_spacing
clipctl set-marked "secret words" "Clipboard Viewer Ignore" || fail "clipctl set-marked"
wait_watched "$watch" "secret words"

cut_spacing
clip_set "kept after the pause"
wait_captions "kept after the pause|kept before the pause"
wait_watched "$watch" "kept after the pause"

# A password as Linux password managers offer it, then the same text without their mark.
data="$QBX_PROGRAM_DIR/.."
printf 'hunter2 words' >"$data/password.txt"
printf 'secret' >"$data/hint.txt"
cut_spacing
xoffer UTF8_STRING "$data/password.txt" x-kde-passwordManagerHint "$data/hint.txt"
wait_watched "$watch" "hunter2 words"
assert_eq "$(captions)" "kept after the pause|kept before the pause" "items after the password"
cut_spacing
xoffer UTF8_STRING "$data/password.txt"
wait_captions "hunter2 words|kept after the pause|kept before the pause"

end_session
assert_eq "$(captions)" "hunter2 words|kept after the pause|kept before the pause" \
    "items after the end"
