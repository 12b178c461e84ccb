# Helpers for the end-to-end test scripts (tests/e2e/t_*.sh). The runner sources this file
# and sets: QBX_ROOT, QBX_BUILD, QBX_PROGRAM_DIR (a fresh program folder with Quillbox.exe and
# qbx.exe), QBX_SCREENS, QBX_REASON (where fail writes its reason), QBX_PIDS (the Wine
# processes this test started; the runner ends those left over), DISPLAY and the Wine
# settings. A test script exits 0 when it passed; `fail` ends it with a reason.
# Never sleep to synchronise: wait_for a condition. To show that something does not happen,
# use holds_for, bounded and with the reason at the call.

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

# holds_for "what" SECONDS COMMAND...: COMMAND keeps succeeding for SECONDS (polled), for
# the tests that prove an absence ("no menu opened", "the file was not written"): nothing
# can be awaited there, so the time is fixed. Fails as soon as COMMAND fails.
holds_for() {
    local what=$1 seconds=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    while [ "$SECONDS" -lt "$deadline" ]; do
        "$@" >/dev/null 2>&1 || fail "not so for ${seconds}s: $what"
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

# pixel X Y: the colour of the screen at X,Y as "#RRGGBB".
pixel() {
    import -display "$DISPLAY" -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n '2s/.*\(#[0-9A-Fa-f]\{6\}\).*/\1/p'
}
pixel_is() { [ "$(pixel "$1" "$2")" = "$3" ]; } # X Y COLOUR
# colour_of BMP X Y: the pixel of a picture file as "#RRGGBB".
colour_of() { convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null | sed -n '2s/.*\(#[0-9A-Fa-f]\{6\}\).*/\1/p'; }

# hot_rect: "left top right bottom" of the shown hot window.
hot_rect() { qbxctl hot Quillbox "$QBX_TIMEOUT" | tr -d '\r'; }

clip_set() { printf '%s' "$1" | xclip -display "$DISPLAY" -selection clipboard -i; }

# The autostart value of the current user ("Quillbox" under ...\Run); empty when missing.
RUN_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
autostart_value() {
    wine reg query "$RUN_KEY" /v Quillbox 2>/dev/null | tr -d '\r' |
        sed -n 's/^ *Quillbox *REG_SZ *//p'
}

# A value of the program's entry in the list of installed programs; empty when missing.
UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\{5B0E7C3A-92D4-4F1B-A86E-1C7D3F9B24E5}'
uninstall_value() { # NAME
    wine reg query "$UNINSTALL_KEY" /v "$1" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$1 *REG_SZ *//p"
}

# The program's shortcut in the Start menu's programs folder, when there is one.
shortcut_file() { find "$WINEPREFIX/drive_c/users" -path '*Programs/Quillbox.lnk' 2>/dev/null | head -n 1; }

# Files Windows is to delete at the next restart (one line, Wine's listing of the value).
SESSION_KEY='HKLM\System\CurrentControlSet\Control\Session Manager'
pending_deletions() {
    wine reg query "$SESSION_KEY" /v PendingFileRenameOperations 2>/dev/null | tr -d '\r' |
        sed -n 's/^ *PendingFileRenameOperations *REG_MULTI_SZ *//p'
}
# A deletion left pending would remove a later test's copy at the same path when Wine next
# starts a session.
forget_pending_deletions() {
    wine reg delete "$SESSION_KEY" /v PendingFileRenameOperations /f >/dev/null 2>&1
    return 0
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

# --- the clipboard and the collection file ---
# wait_capturing: the running copy has joined the clipboard-viewer chain, so it hears of
# every cut from now on (its frame exists a little earlier than that).
wait_capturing() {
    wait_frame
    qbxctl viewer Quillbox "$QBX_TIMEOUT" || fail "Quillbox did not join the clipboard-viewer chain"
}

XOFFER="$QBX_BUILD/native/e2e/xoffer"
# xoffer TARGET FILE [TARGET FILE]...: data on the X clipboard under several targets at once.
xoffer() { "$XOFFER" "$@" || fail "xoffer $* failed"; }

# qbx_set NAME=VALUE...: preference fields of Clipboard.qbx, before the program starts.
qbx_set() { qbx set "$(program_file Clipboard.qbx)" "$@" >/dev/null || fail "qbx set $*"; }

# The items of the active collection, one "N<TAB>type<TAB>size<TAB>caption" line each.
items() { qbx list "$(program_file Clipboard.qbx)" 2>/dev/null; }

# The captions of the active collection, in order, joined by "|".
captions() { items | cut -f4 | paste -sd '|'; }

captions_are() { [ "$(captions)" = "$1" ]; }

# first_item_is TYPE: the first item of the active collection is of that type.
first_item_is() { [ "$(items | head -n 1 | cut -f2)" = "$1" ]; }

# wait_captions "A|B|C": the collection file holds exactly these items, in this order.
wait_captions() {
    local deadline=$((SECONDS + QBX_TIMEOUT))
    until captions_are "$1"; do
        [ "$SECONDS" -lt "$deadline" ] ||
            fail "timed out after ${QBX_TIMEOUT}s waiting for the items '$1' in Clipboard.qbx (there: '$(captions)')"
        sleep 0.2
    done
}

# The sound output of the Wine prefix is a file (tests/e2e/run): empty at the start of each
# test, it holds what the test's programs played.
reset_sound() { rm -f "$QBX_SOUND_OUT"; }
sound_played() { [ -s "$QBX_SOUND_OUT" ]; }

# Every test starts with an empty X clipboard: an earlier test's last cut would otherwise be
# kept when the program starts.
reset_clipboard() { clip_set ""; }

# start_capturing: starts the program and returns once the next cut counts as a cut.
start_capturing() {
    start_quillbox
    wait_capturing
    cut_spacing
}

# The program takes cuts less than 500 ms apart as one cut; tests that make several cuts
# keep them apart by this much after seeing the previous one handled. A rule of the program
# being tested, not a way of waiting for it.
cut_spacing() { sleep 0.6; }

# start_watcher LOG: a member of the clipboard-viewer chain that logs every notification
# passed on to it ("draw TEXT"); started before Quillbox, it comes after it in the chain.
start_watcher() {
    (exec wine "$QBXCTL" clip-watch "$QBX_TIMEOUT") >"$1" 2>/dev/null &
    echo "$!" >>"$QBX_PIDS"
    wait_for "the watcher to join the viewer chain" grep -q '^joined' "$1"
}

# Windows programs end their lines with CR LF.
watched() { tr -d '\r' <"$1" | grep -qxF "draw $2"; }

# wait_watched LOG TEXT: the watcher was passed a notification while TEXT was offered.
wait_watched() {
    wait_for "the notification of '$2' to be passed on" watched "$1" "$2"
}

# Ends the program the way a logoff does and waits for it to have saved and gone.
end_session() {
    # Wine starts the registered autostart programs when a session begins.
    reset_registration
    wineboot -e || fail "wineboot -e failed"
    wait_ended "$QUILLBOX_PID" "Quillbox.exe after the session end"
    exit_status "$QUILLBOX_PID"
    assert_eq "$?" 0 "exit status after the session end"
}
