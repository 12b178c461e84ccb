# Cuts made while the service is paused, and cuts their program marks as not to be kept
# ("Clipboard Viewer Ignore", or a Linux password manager's "x-kde-passwordManagerHint"),
# are not kept; the next viewer in the chain hears of every one. The service is paused and
# continued from the item's context menu, by clicks.
. "$QBX_ROOT/tests/e2e/lib/menus.sh"
qbx_set m_dwOptions=0xF15D m_ptHot.x=300 m_ptHot.y=200
# pause_or_continue: a right click on the hot-icon opens the main menu (its one item).
pause_or_continue() {
    qbxctl hot Quillbox "$QBX_TIMEOUT" >/dev/null || fail "no hot-icon"
    point_at 310 210
    xdotool click 3
    context_command 1 0 2
    wait_for "the menus to close" no_menus
}
watch="$QBX_PROGRAM_DIR/../watch.log"
start_watcher "$watch"
start_capturing

clip_set "kept before the pause"
wait_captions "kept before the pause"
wait_watched "$watch" "kept before the pause"

pause_or_continue
cut_spacing
# Set through the Windows clipboard: a cut taken over from X may bring a second,
# later notification, which could arrive after "Continue service" below.
qbxctl clip-set "cut while paused" || fail "qbxctl clip-set"
wait_watched "$watch" "cut while paused"
pause_or_continue

cut_spacing
qbxctl clip-set "secret words" "Clipboard Viewer Ignore" || fail "qbxctl clip-set"
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
