# A second start while a copy runs asks that copy for its About box and ends; the first
# copy keeps running.
start_quillbox
first=$QUILLBOX_PID
wait_frame
pid_before=$(frame_info pid)

start_quillbox
second=$QUILLBOX_PID
wait_ended "$second" "the second Quillbox.exe"
exit_status "$second"
assert_eq "$?" 0 "exit status of the second start"

assert_true "the first copy still runs" proc_alive "$first"
assert_eq "$(frame_info count)" 1 "frames titled Quillbox"
assert_eq "$(frame_info pid)" "$pid_before" "process owning the frame"

qbxctl send Quillbox 57665 || fail "could not send the exit command"
wait_ended "$first" "the first copy after the exit command"

# What the second start sends: a stand-in window with the running copy's title hears it.
(exec wine "$QBXCTL" stand-in Quillbox "$QBX_TIMEOUT") >"$QBX_PROGRAM_DIR/../stand-in.out" 2>/dev/null &
stand_in=$!
echo "$stand_in" >>"$QBX_PIDS"
wait_for "the stand-in window" grep -q '^ready' "$QBX_PROGRAM_DIR/../stand-in.out"
start_quillbox
second=$QUILLBOX_PID
wait_ended "$second" "the second Quillbox.exe beside the stand-in"
wait_ended "$stand_in" "the stand-in"
assert_eq "$(tr -d '\r' <"$QBX_PROGRAM_DIR/../stand-in.out" | sed -n 2p)" "command 57664" \
    "what the second start posted to the running copy"
