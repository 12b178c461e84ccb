# A copy started from another folder while the registered copy runs asks before installing
# itself there. No changes nothing; Yes makes the running copy save and end, replaces its
# executable (keeping the old one as .old) and starts the installed copy. "UNINSTALL" asks
# first; No changes nothing; Yes with a copy running asks that copy to uninstall, and it
# ends.
other="$QBX_PROGRAM_DIR/../other"
mkdir -p "$other"
cp "$QBX_BUILD/mingw/Quillbox.exe" "$other/"
UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\{5B0E7C3A-92D4-4F1B-A86E-1C7D3F9B24E5}'
uninstall_value() { # NAME: of the program's entry in the list of installed programs
    wine reg query "$UNINSTALL_KEY" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_SZ *//p"
}
# The program's shortcut in the Start menu's programs folder, when there is one.
shortcut_file() { find "$WINEPREFIX/drive_c/users" -path '*Programs/Quillbox.lnk' 2>/dev/null | head -n 1; }
# shortcut_has FILE TARGET NAME: the shell link holds TARGET as its path (ANSI) and NAME as
# its description (UTF-16); each ends there.
shortcut_has() {
    python3 -c 'import sys; d = open(sys.argv[1], "rb").read(); t, n = sys.argv[2:]
sys.exit(t.encode() + b"\0" not in d or (n + "\0").encode("utf-16-le") not in d)' "$@"
}
# answer TITLE BUTTON [TEXT [SHOT]]: the question TITLE (asking TEXT; its screenshot SHOT)
# answered by a click on Yes (6) or No (7).
answer() {
    local text
    text=$(qbxctl dialog "$1" "$QBX_TIMEOUT") || fail "no question '$1'"
    [[ "$text" == *"${3:-}"* ]] || fail "the question '$1' asked: '$text'"
    [ -z "${4:-}" ] || screenshot "$4"
    press "$1" "$2"
}

start_running
first=$QUILLBOX_PID
exe=$(windows_path "$QBX_PROGRAM_DIR/Quillbox.exe")

QUILLBOX_DIR=$other start_quillbox
answer "Quillbox Installation" 7 "running version will be stopped," install-question
wait_ended "$QUILLBOX_PID" "the newer copy after No"
assert_true "the registered copy still runs after No" proc_alive "$first"
assert_eq "$(autostart_value)" "$exe" "autostart value after No"

QUILLBOX_DIR=$other start_quillbox
answer "Quillbox Installation" 6
wait_ended "$first" "the registered copy after Yes"
wait_ended "$QUILLBOX_PID" "the newer copy after installing"
assert_saved_with 1 "Active collection has been created"
rm "$(program_file Clipboard.qbx)"
wait_frame # the installed copy, started by the installation
ls "$QBX_PROGRAM_DIR" | grep -qix 'quillbox.old' || fail "no quillbox.old beside the installed copy"
assert_eq "$(autostart_value)" "$exe" "autostart value after the installation"
assert_eq "$(uninstall_value UninstallString)" "$exe UNINSTALL" "uninstall command of the installed-programs entry"
assert_eq "$(uninstall_value DisplayName)" "Quillbox" "name in the installed-programs list"
assert_true "the shortcut leads to $exe, described Quillbox" shortcut_has "$(shortcut_file)" "$exe" Quillbox

start_quillbox UNINSTALL
answer "Uninstall Quillbox" 7 "Are you sure you want to uninstall Quillbox?" uninstall-question
wait_ended "$QUILLBOX_PID" "Quillbox.exe UNINSTALL after No"
assert_true "the running copy still runs after No" qbxctl info Quillbox
[ -n "$(autostart_value)" ] || fail "No removed the autostart value"

# The settings key goes; the publisher's key above it stays while another product keeps one.
PUBLISHER_KEY='HKCU\Software\Quillworks'
for key in Quillbox Other; do
    wine reg add "$PUBLISHER_KEY\\$key" /v Font /d Arial,10,0,0 /f >/dev/null || fail "could not add $key"
done
start_quillbox uninstall
answer "Uninstall Quillbox" 6
wait_ended "$QUILLBOX_PID" "Quillbox.exe uninstall after Yes"
qbxctl wait-gone Quillbox "$QBX_TIMEOUT" || fail "the running copy did not end after the uninstall request"
assert_eq "$(autostart_value)" "" "autostart value after the uninstallation"
assert_false "the uninstalled copy saved Clipboard.qbx" test -e "$(program_file Clipboard.qbx)"
for name in DisplayIcon DisplayName DisplayVersion UninstallString; do
    assert_eq "$(uninstall_value $name)" "" "$name of the installed-programs entry after the uninstallation"
done
assert_eq "$(shortcut_file)" "" "the shortcut after the uninstallation"
assert_false "the settings key is left" wine reg query "$PUBLISHER_KEY\Quillbox"
assert_true "another product's key went" wine reg query "$PUBLISHER_KEY\Other"
wine reg delete "$PUBLISHER_KEY" /f >/dev/null 2>&1
# Files Windows is to delete at the next restart; a deletion left pending would remove a
# later test's copy at the same path when Wine next starts a session.
SESSION_KEY='HKLM\System\CurrentControlSet\Control\Session Manager'
pending=$(wine reg query "$SESSION_KEY" /v PendingFileRenameOperations 2>/dev/null | tr -d '\r')
wine reg delete "$SESSION_KEY" /v PendingFileRenameOperations /f >/dev/null 2>&1
[[ "${pending,,}" == *"$exe"* ]] || fail "the executable is not to be deleted at the next restart: '$pending'"
