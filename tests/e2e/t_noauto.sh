# "NOAUTO" (autostart while the user switched it off) ends at once, in any letter case,
# before any window or file exists.
for arg in NOAUTO noauto; do
    start_quillbox "$arg"
    wait_ended "$QUILLBOX_PID" "Quillbox.exe $arg" 
    exit_status "$QUILLBOX_PID"
    assert_eq "$?" 0 "exit status of Quillbox.exe $arg"
done
assert_false "a Quillbox frame exists after NOAUTO" qbxctl info Quillbox
assert_eq "$(autostart_value)" "" "autostart value after NOAUTO"
assert_false "NOAUTO wrote Clipboard.qbx" test -e "$(program_file Clipboard.qbx)"

# The same program starts normally without the argument.
start_quillbox
wait_frame
qbxctl send Quillbox 57665
wait_ended "$QUILLBOX_PID" "Quillbox.exe after the exit command"
