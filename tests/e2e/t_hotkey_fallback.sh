# When another program holds Ctrl+Shift+Insert, the program takes Ctrl+Shift+V instead and
# keeps that choice in its preferences.
holder="$QBX_PROGRAM_DIR/../holdkey.log"
(exec wine "$HOLDKEY" 6 0x2D "$QBX_TIMEOUT") >"$holder" 2>&1 &
echo "$!" >>"$QBX_PIDS"
wait_for "another program to hold Ctrl+Shift+Insert" grep -q '^held' "$holder"

qbx_set m_dwOptions=0xF91B # Ctrl+Shift+Insert chosen instead of Ctrl+Shift+V
start_quillbox
wait_capturing
# Ctrl+Shift+V is the program's now: nobody else gets it.
assert_false "Ctrl+Shift+V was still free" run_wine "$HOLDKEY" 6 0x56 0
end_session

options=$(qbx prefs "$(program_file Clipboard.qbx)" | sed -n 's/^m_dwOptions=//p')
[ -n "$options" ] || fail "no options in Clipboard.qbx"
bits=$((options & 0x6))
assert_eq "$bits" 4 "Ctrl+Shift+Insert (0x2) and Ctrl+Shift+V (0x4) bits of $options"
