# A copy started from another folder while the registered copy runs asks before installing
# itself there. No changes nothing; Yes makes the running copy save and end, replaces its
# executable (keeping the old one as .old) and starts the installed copy.
other="$QBX_PROGRAM_DIR/../other"
mkdir -p "$other"
cp "$QBX_BUILD/mingw/Quillbox.exe" "$other/"

start_newer() {
    (cd "$other" && exec wine Quillbox.exe) >>"$QBX_PROGRAM_DIR/../quillbox.out" 2>&1 &
    newer=$!
    echo "$newer" >>"$QBX_PIDS"
}

start_quillbox
first=$QUILLBOX_PID
wait_frame
registered=$(windows_path "$QBX_PROGRAM_DIR/Quillbox.exe")
assert_eq "$(autostart_value)" "$registered" "autostart value of the first copy"

start_newer
qbxctl wait-window "Quillbox Installation" "$QBX_TIMEOUT" || fail "no installation question"
screenshot install-question
text=$(qbxctl answer "Quillbox Installation" 7 5) || fail "could not answer No"
case "$text" in
*" and it is running"*"running version will be stopped,"*) ;;
*) fail "installation question: '$text'" ;;
esac
wait_ended "$newer" "the newer copy after No"
assert_true "the registered copy ended after No" proc_alive "$first"
assert_eq "$(autostart_value)" "$registered" "autostart value after No"

start_newer
qbxctl answer "Quillbox Installation" 6 "$QBX_TIMEOUT" >/dev/null || fail "could not answer Yes"
wait_ended "$first" "the registered copy after Yes"
wait_ended "$newer" "the newer copy after installing"
assert_saved_with 1 "Active collection has been created"
wait_frame
installed_pid=$(frame_info pid)
[ -n "$installed_pid" ] || fail "no installed copy runs"
ls "$QBX_PROGRAM_DIR" | grep -qix 'quillbox.old' || fail "no quillbox.old beside the installed copy"
ls "$QBX_PROGRAM_DIR" | grep -qix 'quillbox.exe' || fail "no quillbox.exe in the registered folder"
assert_eq "$(autostart_value)" "$registered" "autostart value after the installation"

# The installed copy was started by the installation, not by this test: end it here.
qbxctl send Quillbox 57665
qbxctl wait-gone Quillbox "$QBX_TIMEOUT" || fail "the installed copy did not end"
