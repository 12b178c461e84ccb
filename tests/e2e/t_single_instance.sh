# A second start while a copy runs makes that copy show its About box and ends; the first
# copy keeps running. Only the program's own frame is taken for a running copy.
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
# Its About box is closed (t_about reads it); then the frame is the only Quillbox again.
qbxctl answer Quillbox 1 "$QBX_TIMEOUT" >/dev/null || fail "the first copy showed no About box"
one_frame() { [ "$(frame_info count)" = 1 ]; }
wait_for "the About box to close" one_frame
assert_eq "$(frame_info pid)" "$pid_before" "process owning the frame"

qbxctl send Quillbox 57665 || fail "could not send the exit command"
wait_ended "$first" "the first copy after the exit command"

# stand_in CLASS: a hidden window titled Quillbox that reports the command it hears; it
# outlives every wait below.
stand_in() {
    (exec wine "$QBXCTL" stand-in Quillbox $((QBX_TIMEOUT * 3)) "$1") >"$QBX_PROGRAM_DIR/../$1" 2>/dev/null &
    STAND_IN=$!
    echo "$STAND_IN" >>"$QBX_PIDS"
    wait_for "the stand-in window $1" grep -q '^ready' "$QBX_PROGRAM_DIR/../$1"
}
heard() { tr -d '\r' <"$QBX_PROGRAM_DIR/../$1" | sed -n 2p; }
two_windows() { [ "$(frame_info count)" = 2 ]; }

# What the second start sends: a window of the frame's class and title hears it.
stand_in QuillboxFrame
start_quillbox
wait_ended "$QUILLBOX_PID" "the second Quillbox.exe beside the stand-in frame"
wait_ended "$STAND_IN" "the stand-in frame"
assert_eq "$(heard QuillboxFrame)" "command 57664" "what the second start posted to the running copy"

# Another program's window titled Quillbox (a file manager open on a folder of that name)
# neither stops a start nor hears anything.
stand_in Foreign
start_quillbox
wait_for "Quillbox's frame beside the foreign window" two_windows
assert_true "the start beside the foreign window runs" proc_alive "$QUILLBOX_PID"
assert_eq "$(heard Foreign)" "" "what the foreign window was sent"
kill "$STAND_IN"
wait_ended "$STAND_IN" "the foreign window"
qbxctl send Quillbox 57665 || fail "could not send the exit command"
wait_ended "$QUILLBOX_PID" "the copy started beside the foreign window"
