# The program starts into one hidden frame "Quillbox" holding the hidden service window,
# registers itself for autostart, and ends with status 0 when the frame is closed.
start_quillbox
wait_frame
assert_eq "$(autostart_value)" "$(windows_path "$QBX_PROGRAM_DIR/Quillbox.exe")" "autostart value"
info=$(qbxctl info Quillbox)
note "$info"
assert_eq "$(frame_info count)" 1 "frames titled Quillbox"
assert_eq "$(frame_info visible)" 0 "frame visible"
assert_eq "$(frame_info service)" 1 "service window (child id 1) present"
assert_eq "$(frame_info service_visible)" 0 "service window visible"
assert_true "Quillbox.exe still runs after start-up" proc_alive "$QUILLBOX_PID"

qbxctl close Quillbox || fail "could not post WM_CLOSE to the frame"
wait_ended "$QUILLBOX_PID" "Quillbox.exe after WM_CLOSE"
exit_status "$QUILLBOX_PID"
assert_eq "$?" 0 "exit status after WM_CLOSE"
assert_saved_with 1 "Active collection has been created"
