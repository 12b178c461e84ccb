# Helpers for the end-to-end test scripts (tests/e2e/t_*.sh). The runner sources this file
# and sets: QBX_ROOT, QBX_BUILD, QBX_PROGRAM_DIR (a fresh program folder with Quillbox.exe and
# qbx.exe), QBX_SCREENS, QBX_REASON (where fail writes its reason), QBX_PIDS (the Wine
# processes this test started; the runner ends those left over), DISPLAY and the Wine
# settings. A test script exits 0 when it passed; `fail` ends it with a reason.
# Never sleep to synchronise: wait_for a condition.

QBX_TIMEOUT=${QBX_TIMEOUT:-60} # seconds; generous, for a busy two-core machine
QBXCTL="$QBX_BUILD/mingw/e2e/qbxctl.exe"
QBX_NATIVE="$QBX_BUILD/native/qbx"

fail() {
    printf '%s\n' "$*" >"$QBX_REASON"
    printf 'FAIL: %s\n' "$*" >&2
    exit 1
}

note() { printf '%s\n' "$*" >&2; }

# wait_for "what is awaited" [-t SECONDS] COMMAND...: polls COMMAND until it succeeds.
wait_for() {
    local what=$1 timeout=$QBX_TIMEOUT
    shift
    if [ "${1:-}" = -t ]; then
        timeout=$2
        shift 2
    fi
    local deadline=$((SECONDS + timeout))
    while ! "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || fail "timed out after ${timeout}s waiting for $what"
        sleep 0.2
    done
}

assert_eq() { # actual expected what
    [ "$1" = "$2" ] || fail "$3: expected '$2', got '$1'"
}

assert_true() { # what command...
    local what=$1
    shift
    "$@" >/dev/null 2>&1 || fail "$what"
}

assert_false() { # what command...
    local what=$1
    shift
    ! "$@" >/dev/null 2>&1 || fail "$what"
}

# A process is alive until it has exited; a reaped or zombie child counts as ended.
proc_alive() {
    local state
    state=$(ps -o stat= -p "$1" 2>/dev/null) || return 1
    [ -n "$state" ] && [ "${state#Z}" = "$state" ]
}

proc_ended() { ! proc_alive "$1"; }

# Exit status of an ended child process.
exit_status() {
    wait "$1" 2>/dev/null
}

# start_quillbox [ARGS...]: runs Quillbox.exe from the program folder in the background;
# sets QUILLBOX_PID.
start_quillbox() {
    (cd "$QBX_PROGRAM_DIR" && exec wine Quillbox.exe "$@") >>"$QBX_PROGRAM_DIR/../quillbox.out" 2>&1 &
    QUILLBOX_PID=$!
    echo "$QUILLBOX_PID" >>"$QBX_PIDS"
}

# run_wine PROGRAM [ARGS...] in the foreground (helpers that end by themselves).
run_wine() { wine "$@"; }

qbxctl() { wine "$QBXCTL" "$@"; }

# wait_frame [SECONDS]: the running copy's hidden frame "Quillbox" exists.
wait_frame() {
    qbxctl wait-window Quillbox "${1:-$QBX_TIMEOUT}" ||
        fail "no window titled Quillbox appeared within ${1:-$QBX_TIMEOUT}s"
}

# frame_info KEY: one field of `qbxctl info Quillbox` (found, count, visible, style ...).
frame_info() {
    qbxctl info Quillbox | tr ' \r' '\n\n' | sed -n "s/^$1=//p"
}

wait_ended() { # pid what
    wait_for "$2 to end" proc_ended "$1"
}

screenshot() { # name
    mkdir -p "$QBX_SCREENS"
    import -display "$DISPLAY" -window root "$QBX_SCREENS/$1.png" 2>/dev/null ||
        note "screenshot $1 failed"
}

clip_set() { printf '%s' "$1" | xclip -display "$DISPLAY" -selection clipboard -i; }
clip_get() { xclip -display "$DISPLAY" -selection clipboard -o 2>/dev/null; }

# The autostart value of the current user ("Quillbox" under ...\Run); empty when missing.
RUN_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
autostart_value() {
    wine reg query "$RUN_KEY" /v Quillbox 2>/dev/null | tr -d '\r' |
        sed -n 's/^ *Quillbox *REG_SZ *//p'
}

# Every test starts with no copy registered: a copy registered by an earlier test in its
# own folder would make the program ask whether to install over it.
reset_registration() {
    wine reg delete "$RUN_KEY" /v Quillbox /f >/dev/null 2>&1
    return 0
}

# The Windows path of a file in the program folder, in lower case as the program names it.
windows_path() { # unix path
    wine winepath -w "$1" 2>/dev/null | tr -d '\r' | tr '[:upper:]' '[:lower:]'
}

# The program's file NAME in the program folder.
program_file() { printf '%s/%s' "$QBX_PROGRAM_DIR" "$1"; }

# The native qbx tool on a file of the program: qbx COMMAND FILE [ARGS...].
qbx() {
    [ -x "$QBX_NATIVE" ] || fail "no $QBX_NATIVE (./dev build makes it)"
    "$QBX_NATIVE" "$@"
}

# The active collection was saved whole, and its item N holds TEXT.
assert_saved_with() { # N text
    local file
    file=$(program_file Clipboard.qbx)
    [ -f "$file" ] || fail "Clipboard.qbx was not written"
    qbx check "$file" >/dev/null 2>&1 || fail "Clipboard.qbx is not whole: $(qbx check "$file" 2>&1)"
    qbx show "$file" "$1" | grep -qF -- "$2" ||
        fail "item $1 of Clipboard.qbx lacks '$2': $(qbx list "$file" 2>&1)"
}
