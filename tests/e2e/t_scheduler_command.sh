# A command scheduled for the coming minute runs at that minute through the external
# player, and is ended when its duration of one minute runs out. The scheduler was on when
# the program last ended (the option in Clipboard.qbx), so it runs from the start.
out="$QBX_PROGRAM_DIR/../command"
command="$(windows_path "$PASTETARGET") $(windows_path "$out") plain 600"
# The program sees one minute before the scheduled one: it starts well inside this minute.
ahead=1
[ "$(date +%-S)" -lt 40 ] || ahead=2
when=$(date -d "+$ahead min" +%H:%M)
add_item --text "$command" --caption "Command <$when,*,*,* 00:01 *:*,* *:*,*,*,* 03>"
qbx_set "m_dwOptions=$(printf '0x%X' $(($(pref m_dwOptions) | 0x40000)))"

start_running
QBX_TIMEOUT=200 wait_for "the command scheduled for $when to start" grep -q '^ready' "$out.log"
started=$(stat -c %Y "$out.log")
assert_eq "$(date -d "@$started" +%H:%M)" "$when" "the minute the command started"
qbxctl wait-gone "Paste target" 150 || fail "the command was not ended after its minute"
ran=$(($(date +%s) - started))
[ "$ran" -ge 58 ] || fail "the command was ended after ${ran}s, before its minute was up"
end_session
