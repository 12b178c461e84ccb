# Start-up and shutdown as the user meets them. "NOAUTO" (autostart the user switched off)
# ends at once, in any letter case, before any window or file exists. A start makes one
# hidden frame "Quillbox" holding the hidden service window and registers autostart; closing
# the frame saves and ends with status 0, the new file holding the one item that says so.
# The next start reads the file back with the preferences corrected for this screen
# (1280 x 800); with Ctrl+Shift+Insert held by another program it takes Ctrl+Shift+V instead
# and keeps that choice; the session's end saves and clears the temporary files left over.
# qbx.exe under Wine prints the same bytes as the native qbx.
file=$(program_file Clipboard.qbx)
for arg in NOAUTO noauto; do
    start_quillbox "$arg"
    wait_ended "$QUILLBOX_PID" "Quillbox.exe $arg"
    exit_status "$QUILLBOX_PID"
    assert_eq "$?" 0 "exit status of Quillbox.exe $arg"
done
assert_false "a Quillbox frame exists after NOAUTO" qbxctl info Quillbox
assert_eq "$(autostart_value)" "" "autostart value after NOAUTO"
assert_false "NOAUTO wrote Clipboard.qbx" test -e "$file"

start_quillbox
wait_frame
assert_eq "$(autostart_value)" "$(windows_path "$QBX_PROGRAM_DIR/Quillbox.exe")" "autostart value"
note "$(qbxctl info Quillbox)"
assert_eq "$(frame_info count)" 1 "frames titled Quillbox"
assert_eq "$(frame_info visible)" 0 "frame visible"
assert_eq "$(frame_info service)" 1 "service window (child id 1) present"
assert_eq "$(frame_info service_visible)" 0 "service window visible"
qbxctl close Quillbox || fail "could not post WM_CLOSE to the frame"
wait_ended "$QUILLBOX_PID" "Quillbox.exe after WM_CLOSE"
exit_status "$QUILLBOX_PID"
assert_eq "$?" 0 "exit status after WM_CLOSE"
assert_saved_with 1 "Active collection has been created"
assert_eq "$(qbx prefs "$file" | grep '^m_ptHot')" "$(printf 'm_ptHot.x=1160\nm_ptHot.y=60')" \
    "hot window placed from the screen width"

# Preferences from a larger screen come back into reach (the hot-icon at the nearest corner
# of this one); the rest is kept.
list=$(qbx list "$file")
qbx set "$file" m_ptHot.x=5000 m_ptHot.y=5000 m_nMaxItems=33 m_nUserHotKeyVk=0x51 \
    m_nUserHotKeyMods=0x3 m_nHotMenuWidth=5 m_dwOptions=0xF91B >/dev/null || fail "qbx set failed"
holder="$QBX_PROGRAM_DIR/../holdkey.log"
(exec wine "$QBXCTL" hold-key 6 0x2D "$QBX_TIMEOUT") >"$holder" 2>&1 &
echo "$!" >>"$QBX_PIDS"
wait_for "another program to hold Ctrl+Shift+Insert" grep -q '^held' "$holder"
start_capturing
assert_false "Ctrl+Shift+V was still free" qbxctl hold-key 6 0x56 0
printf 'left over' >"$(program_file '~QBX~0001.txt')"
end_session
assert_false "a Quillbox frame survived the session end" qbxctl info Quillbox
assert_false "the shutdown did not delete the temporary file" \
    test -e "$(program_file '~QBX~0001.txt')"
prefs=$(qbx prefs "$file")
for want in m_ptHot.x=$((E2E_SCREEN_WIDTH - 38)) m_ptHot.y=$((E2E_SCREEN_HEIGHT - 38)) \
    m_nMaxItems=33 m_nUserHotKeyVk=0x51 \
    m_nUserHotKeyMods=0x3 m_nHotMenuWidth=100; do
    printf '%s\n' "$prefs" | grep -qx "$want" || fail "after the second run $want is missing: $prefs"
done
assert_eq "$(qbx list "$file")" "$list" "items after the second run"
options=$(printf '%s\n' "$prefs" | sed -n 's/^m_dwOptions=//p')
assert_eq "$((options & 0x6))" 4 "Ctrl+Shift+Insert (0x2) and Ctrl+Shift+V (0x4) bits of $options"

for args in "list Clipboard.qbx" "prefs Clipboard.qbx" "show Clipboard.qbx 1" "check Clipboard.qbx"; do
    # shellcheck disable=SC2086
    native=$(cd "$QBX_PROGRAM_DIR" && qbx $args | od -An -tx1)
    # shellcheck disable=SC2086
    windows=$(cd "$QBX_PROGRAM_DIR" && wine qbx.exe $args 2>/dev/null | od -An -tx1)
    assert_eq "$windows" "$native" "qbx.exe $args"
done
(cd "$QBX_PROGRAM_DIR" && wine qbx.exe show Clipboard.qbx 9 >/dev/null 2>&1)
assert_eq "$?" 1 "qbx.exe exit status for a missing item"
