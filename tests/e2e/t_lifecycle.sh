# Start-up and shutdown as the user meets them. "NOAUTO" (autostart the user switched off)
# ends at once, before any window or file exists. A start makes one
# hidden frame "Quillbox" holding the hidden service window and registers autostart; a
# second start makes the running copy show its About box and ends; closing the frame saves
# and ends with status 0, the new file holding the one item that says so. The next start
# reads the file back with the preferences corrected for this screen (1280 x 800); with
# Ctrl+Shift+Insert held by another program it takes Ctrl+Shift+V instead and keeps that
# choice; the session's end saves and clears the temporary files left over. qbx.exe under
# Wine prints the same bytes as the native qbx. Only the program's own frame is taken for
# a running copy.
file=$(program_file Clipboard.qbx)
start_quillbox NOAUTO
ended_with "$QUILLBOX_PID" 0 "Quillbox.exe NOAUTO"
assert_eq "$(autostart_value)" "" "autostart value after NOAUTO"
assert_false "NOAUTO wrote Clipboard.qbx" test -e "$file"

start_running
first=$QUILLBOX_PID
assert_eq "$(autostart_value)" "$(windows_path "$QBX_PROGRAM_DIR/Quillbox.exe")" "autostart value"
pid=$(frame_info pid)
assert_eq "$(qbxctl info Quillbox)" "found=1 count=1 visible=0 pid=$pid service=1 service_visible=0" \
    "the hidden frame and its hidden service window (child id 1)"

start_quillbox
ended_with "$QUILLBOX_PID" 0 "the second Quillbox.exe"
assert_true "the first copy still runs" proc_alive "$first"
# Its About box is closed (t_preferences reads it); then the frame is the only Quillbox again.
qbxctl dialog Quillbox "$QBX_TIMEOUT" >/dev/null || fail "the first copy showed no About box"
press Quillbox 1
wait_for "the About box to close" eval '[ "$(frame_info count)" = 1 ]'
assert_eq "$(frame_info pid)" "$pid" "process owning the frame"

qbxctl close Quillbox || fail "could not post WM_CLOSE to the frame"
ended_with "$first" 0 "Quillbox.exe after WM_CLOSE"
assert_saved_with 1 "Active collection has been created"
assert_eq "$(pref m_ptHot.x) $(pref m_ptHot.y)" "1160 60" "hot window placed from the screen width"

# Preferences from a larger screen come back into reach (the hot-icon at the nearest corner
# of this one); the rest is kept.
list=$(qbx list "$file")
qbx_set m_ptHot.x=5000 m_ptHot.y=5000 m_nMaxItems=33 m_nUserHotKeyVk=0x51 \
    m_nUserHotKeyMods=0x3 m_nHotMenuWidth=5 m_dwOptions=0xF91B
start_helper "another program to hold Ctrl+Shift+Insert" "$QBX_PROGRAM_DIR/../holdkey.log" held \
    "$QBXCTL" hold-key 6 0x2D "$QBX_TIMEOUT"
start_capturing
assert_false "Ctrl+Shift+V was still free" qbxctl hold-key 6 0x56 0
printf 'left over' >"$(program_file '~QBX~0001.txt')"
end_session
assert_false "the shutdown did not delete the temporary file" \
    test -e "$(program_file '~QBX~0001.txt')"
prefs=$(qbx prefs "$file")
for want in m_ptHot.x=$((E2E_SCREEN_WIDTH - 38)) m_ptHot.y=$((E2E_SCREEN_HEIGHT - 38)) \
    m_nMaxItems=33 m_nUserHotKeyVk=0x51 m_nUserHotKeyMods=0x3 m_nHotMenuWidth=100; do
    printf '%s\n' "$prefs" | grep -qx "$want" || fail "after the second run $want is missing: $prefs"
done
assert_eq "$(qbx list "$file")" "$list" "items after the second run"
assert_eq "$(($(pref m_dwOptions) & 0x6))" 4 "Ctrl+Shift+Insert (0x2) and Ctrl+Shift+V (0x4) bits"

for args in "list Clipboard.qbx" "prefs Clipboard.qbx" "show Clipboard.qbx 1" "check Clipboard.qbx"; do
    # shellcheck disable=SC2086
    assert_eq "$(cd "$QBX_PROGRAM_DIR" && wine qbx.exe $args 2>/dev/null | od -An -tx1)" \
        "$(cd "$QBX_PROGRAM_DIR" && qbx $args | od -An -tx1)" "qbx.exe $args"
done
(cd "$QBX_PROGRAM_DIR" && wine qbx.exe show Clipboard.qbx 9 >/dev/null 2>&1)
assert_eq "$?" 1 "qbx.exe exit status for a missing item"

# Another program's window titled Quillbox (a file manager open on a folder of that name)
# neither stops a start nor hears anything. (A second start beside the running copy, above,
# shows that the frame's class and title are what it looks for.)
foreign="$QBX_PROGRAM_DIR/../foreign"
start_helper "the foreign window" "$foreign" ready "$QBXCTL" stand-in Quillbox $((QBX_TIMEOUT * 3)) Foreign
start_quillbox
wait_for "Quillbox's frame beside the foreign window" eval '[ "$(frame_info count)" = 2 ]'
assert_true "the start beside the foreign window runs" proc_alive "$QUILLBOX_PID"
assert_eq "$(sed -n 2p "$foreign")" "" "what the foreign window was sent"
kill "$HELPER_PID"
wait_ended "$HELPER_PID" "the foreign window"
end_session
