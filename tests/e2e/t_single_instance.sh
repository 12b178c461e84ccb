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
