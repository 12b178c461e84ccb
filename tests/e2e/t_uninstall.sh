# "UNINSTALL" asks first; No changes nothing; Yes with a copy running asks that copy to
# uninstall, and it ends.
start_quillbox
first=$QUILLBOX_PID
wait_frame
exe=$(windows_path "$QBX_PROGRAM_DIR/Quillbox.exe")
assert_eq "$(uninstall_value UninstallString)" "$exe UNINSTALL" "uninstall command of the installed-programs entry"
assert_eq "$(uninstall_value DisplayName)" "Quillbox" "name in the installed-programs list"
[ -n "$(shortcut_file)" ] || fail "no Quillbox shortcut in the Start menu's programs folder"

start_quillbox UNINSTALL
asker=$QUILLBOX_PID
qbxctl wait-window "Uninstall Quillbox" "$QBX_TIMEOUT" || fail "no question 'Uninstall Quillbox'"
screenshot uninstall-question
text=$(qbxctl answer "Uninstall Quillbox" 7 5) || fail "could not answer No"
case "$text" in
*"Are you sure you want to uninstall Quillbox?"*) ;;
*) fail "question text: '$text'" ;;
esac
wait_ended "$asker" "Quillbox.exe UNINSTALL after No"
assert_true "the running copy ended after No" proc_alive "$first"
[ -n "$(autostart_value)" ] || fail "No removed the autostart value"

start_quillbox uninstall
asker=$QUILLBOX_PID
qbxctl answer "Uninstall Quillbox" 6 "$QBX_TIMEOUT" >/dev/null || fail "could not answer Yes"
wait_ended "$asker" "Quillbox.exe uninstall after Yes"
wait_ended "$first" "the running copy after the uninstall request"
assert_eq "$(autostart_value)" "" "autostart value after the uninstallation"
assert_false "the uninstalled copy saved Clipboard.qbx" test -e "$(program_file Clipboard.qbx)"
for name in DisplayIcon DisplayName DisplayVersion UninstallString; do
    assert_eq "$(uninstall_value $name)" "" "$name of the installed-programs entry after the uninstallation"
done
assert_eq "$(shortcut_file)" "" "the shortcut after the uninstallation"
case "$(pending_deletions | tr '[:upper:]' '[:lower:]')" in
*"$exe"*) ;;
*) fail "the executable is not to be deleted at the next restart (pending: '$(pending_deletions)')" ;;
esac
forget_pending_deletions
