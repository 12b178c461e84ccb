# Helpers for the end-to-end test scripts (tests/e2e/t_*.sh), sourced by the runner, which
# sets QBX_ROOT, QBX_BUILD, QBX_PROGRAM_DIR (a fresh program folder with Quillbox.exe and
# qbx.exe), QBX_SCREENS, QBX_REASON (the reason `fail` writes), QBX_PIDS (the Wine processes
# this test started; the runner ends those left over), DISPLAY and the Wine settings.
# Never sleep to synchronise: wait_for a condition; holds_for proves an absence.

QBX_TIMEOUT=${QBX_TIMEOUT:-60} # seconds; generous, for a busy two-core machine
QBXCTL="$QBX_BUILD/mingw/e2e/qbxctl.exe"

fail() {
    printf '%s\n' "$*" >"$QBX_REASON"
    printf 'FAIL: %s\n' "$*" >&2
    exit 1
}
note() { printf '%s\n' "$*" >&2; }

# wait_for "what is awaited" COMMAND...: polls COMMAND until it succeeds, QBX_TIMEOUT at most.
# On a timeout the reason also shows what the command SHOWN prints, when that is set.
wait_for() {
    local what=$1 deadline=$((SECONDS + QBX_TIMEOUT))
    shift
    while ! "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] ||
            fail "timed out after ${QBX_TIMEOUT}s waiting for $what${SHOWN:+ (there: '$($SHOWN)')}"
        sleep 0.2
    done
}

# holds_for "what" SECONDS COMMAND...: COMMAND keeps succeeding for SECONDS (polled); proves
# an absence, where nothing can be awaited. Fails as soon as COMMAND fails.
holds_for() {
    local what=$1 deadline=$((SECONDS + $2))
    shift 2
    while [ "$SECONDS" -lt "$deadline" ]; do
        "$@" >/dev/null 2>&1 || fail "not so: $what"
        sleep 0.2
    done
}

assert_eq() { [ "$1" = "$2" ] || fail "$3: expected '$2', got '$1'"; } # actual expected what
assert_true() { "${@:2}" >/dev/null 2>&1 || fail "$1"; }                # what command...
assert_false() { ! "${@:2}" >/dev/null 2>&1 || fail "$1"; }

# A process is alive until it has exited; a reaped or zombie child counts as ended.
proc_alive() {
    local state
    state=$(ps -o stat= -p "$1" 2>/dev/null) && [ -n "$state" ] && [ "${state#Z}" = "$state" ]
}
wait_ended() { wait_for "$2 to end" eval "! proc_alive $1"; } # PID WHAT
# ended_with PID STATUS WHAT: the child process WHAT has ended, with STATUS.
ended_with() {
    wait_ended "$1" "$3"
    wait "$1" 2>/dev/null
    assert_eq "$?" "$2" "exit status of $3"
}

# start_quillbox [ARGS...]: Quillbox.exe from the program folder (or QUILLBOX_DIR), QUILLBOX_PID.
start_quillbox() {
    (cd "${QUILLBOX_DIR:-$QBX_PROGRAM_DIR}" && exec wine Quillbox.exe "$@") \
        >>"$QBX_PROGRAM_DIR/../quillbox.out" 2>&1 &
    QUILLBOX_PID=$!
    echo "$QUILLBOX_PID" >>"$QBX_PIDS"
}
start_running() { start_quillbox && wait_frame; } # and returns once its frame exists

# start_helper WHAT LOG WORD PROGRAM ARGS...: a Windows helper in the background (HELPER_PID),
# its output appended to LOG; returns once LOG has a line beginning with WORD.
start_helper() {
    local what=$1 log=$2 word=$3
    shift 3
    (exec wine "$@") >>"$log" 2>/dev/null &
    HELPER_PID=$!
    echo "$HELPER_PID" >>"$QBX_PIDS"
    wait_for "$what" grep -q "^$word" "$log"
}

qbxctl() { wine "$QBXCTL" "$@"; }
wait_frame() { qbxctl wait-window Quillbox "$QBX_TIMEOUT" || fail "no window titled Quillbox appeared"; }

# frame_info KEY: one field of `qbxctl info Quillbox` (found, count, visible, pid ...).
frame_info() { qbxctl info Quillbox | tr ' ' '\n' | sed -n "s/^$1=//p"; }

# screenshot NAME [CROP [ZOOM]]: the screen, or its part CROP ("WxH+X+Y"), as
# build/screens/NAME.png; with ZOOM ("400%") also NAME-zoom.png.
screenshot() {
    local png="$QBX_SCREENS/$1.png"
    mkdir -p "$QBX_SCREENS"
    import -display "$DISPLAY" -window root "$png" 2>/dev/null || { note "screenshot $1 failed"; return; }
    [ -z "${2:-}" ] || convert "$png" -crop "$2" +repage "$png" || note "cropping $1 failed"
    [ -z "${3:-}" ] || convert "$png" -scale "$3" "${png%.png}-zoom.png" || note "zooming $1 failed"
}
# around "LEFT TOP RIGHT BOTTOM" MARGIN: the crop geometry of that rectangle and a margin.
around() {
    local l t r b
    read -r l t r b <<<"$1"
    printf '%sx%s+%s+%s' $((r - l + 2 * $2)) $((b - t + 2 * $2)) $((l - $2)) $((t - $2))
}

# pixel X Y: the colour of the screen at X,Y as "#RRGGBB"; colour_of BMP X Y: of a picture.
hex_colour() { sed -n '2s/.*\(#[0-9A-Fa-f]\{6\}\).*/\1/p'; }
pixel() { import -display "$DISPLAY" -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | hex_colour; }
pixel_is() { [ "$(pixel "$1" "$2")" = "$3" ]; } # X Y COLOUR
colour_of() { convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null | hex_colour; }

# hot_rect: "left top right bottom" of the shown hot window.
hot_rect() { qbxctl hot Quillbox "$QBX_TIMEOUT"; }

clip_set() { printf '%s' "$1" | xclip -display "$DISPLAY" -selection clipboard -i; }

# The autostart value of the current user ("Quillbox" under ...\Run); empty when missing.
# Every test starts with none: a copy registered by an earlier test in its own folder would
# make the program ask whether to install over it.
RUN_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
autostart_value() {
    wine reg query "$RUN_KEY" /v Quillbox 2>/dev/null | tr -d '\r' | sed -n 's/^ *Quillbox *REG_SZ *//p'
}
reset_registration() { wine reg delete "$RUN_KEY" /v Quillbox /f >/dev/null 2>&1; return 0; }

# The Windows path of a file, in lower case as the program names it.
windows_path() { wine winepath -w "$1" 2>/dev/null | tr -d '\r' | tr '[:upper:]' '[:lower:]'; }

program_file() { printf '%s/%s' "$QBX_PROGRAM_DIR" "$1"; } # NAME in the program folder

# The native qbx tool: qbx COMMAND FILE [ARGS...].
qbx() { "$QBX_BUILD/native/qbx" "$@"; }
# qbx_set NAME=VALUE..., add_item ARGS...: Clipboard.qbx changed before the program starts.
qbx_set() { qbx set "$(program_file Clipboard.qbx)" "$@" >/dev/null || fail "qbx set $*"; }
add_item() { qbx add "$(program_file Clipboard.qbx)" "$@" >/dev/null || fail "qbx add $*"; }
# pref NAME: a preference field of Clipboard.qbx as the file holds it now.
pref() { qbx prefs "$(program_file Clipboard.qbx)" | sed -n "s/^$1=//p"; }

# assert_saved_with N TEXT: the active collection was saved whole, and its item N holds TEXT.
assert_saved_with() {
    local file
    file=$(program_file Clipboard.qbx)
    qbx check "$file" >/dev/null 2>&1 || fail "Clipboard.qbx is not whole: $(qbx check "$file" 2>&1)"
    qbx show "$file" "$1" | grep -qF -- "$2" || fail "item $1 of Clipboard.qbx lacks '$2': $(items)"
}

# The items of the active collection ("N<TAB>type<TAB>size<TAB>caption" lines), their
# captions joined by "|"; newest_is CAPTION, or TYPE 2: the first item's.
items() { qbx list "$(program_file Clipboard.qbx)" 2>/dev/null; }
captions() { items | cut -f4 | paste -sd '|'; }
newest_is() { [ "$(items | head -n 1 | cut -f"${2:-4}")" = "$1" ]; }

# wait_captions "A|B|C": the collection file holds exactly these items, in this order.
captions_are() { [ "$(captions)" = "$1" ]; }
wait_captions() { SHOWN=captions wait_for "the items '$1' in Clipboard.qbx" captions_are "$1"; }

# xoffer TARGET FILE [TARGET FILE]...: data on the X clipboard under several targets at once,
# a cut of its own: cut_spacing after the one before.
xoffer() {
    cut_spacing
    "$QBX_BUILD/native/e2e/xoffer" "$@" || fail "xoffer $* failed"
}

# start_capturing: starts the program and returns once it has joined the clipboard-viewer
# chain (its frame exists a little earlier) and the next cut counts as a cut.
start_capturing() {
    start_running
    qbxctl viewer Quillbox "$QBX_TIMEOUT" || fail "Quillbox did not join the clipboard-viewer chain"
    cut_spacing
}

# The program takes cuts less than 500 ms apart as one cut; tests that make several cuts
# keep them apart by this much after seeing the previous one handled. A rule of the program
# being tested, not a way of waiting for it.
cut_spacing() { sleep 0.6; }

# start_watcher LOG: a member of the clipboard-viewer chain that logs every notification
# passed on to it ("draw TEXT"), for the whole test; started before Quillbox, it comes after
# it in the chain. wait_watched LOG TEXT: the watcher was passed a notification while TEXT
# was offered.
start_watcher() {
    start_helper "the watcher to join the viewer chain" "$1" joined "$QBXCTL" clip-watch $((QBX_TIMEOUT * 5))
}
wait_watched() { wait_for "the notification of '$2' to be passed on" grep -qxF "draw $2" "$1"; }

# Ends the program the way a logoff does and waits for it to have gone, with STATUS (0).
end_session() {
    reset_registration # Wine starts the registered autostart programs when a session begins.
    wineboot -e || fail "wineboot -e failed"
    ended_with "$QUILLBOX_PID" "${1:-0}" "Quillbox.exe after the session end"
}

# --- menus and dialogs, driven with the pointer and keys as a person does ---
no_menus() { ! qbxctl wait-menus 1 0 >/dev/null 2>&1; }
# menu_rect [N]: "left top right bottom" of the last opened of N menus (1), once shown.
menu_rect() {
    local shown
    shown=$(qbxctl wait-menus "${1:-1}" "$QBX_TIMEOUT") && sed -n 1p <<<"$shown"
}
# point_at X Y: the pointer there, once Wine has it (a click sent sooner may go astray).
# A look that ends before its time (seen once in CI, with no word from Wine) is taken again.
point_at() {
    xdotool mousemove "$1" "$2"
    local deadline=$((SECONDS + QBX_TIMEOUT)) seen
    until seen=$(qbxctl wait-cursor "$1" "$2" $((deadline - SECONDS))); do
        [ "$SECONDS" -lt "$deadline" ] || fail "Wine did not see the pointer at $1,$2 but at ${seen:-?}"
        note "the pointer at ${seen:-?}, not $1,$2, after a look that ended early: looking again"
    done
}
click_at() { point_at "$1" "$2" && xdotool click "${3:-1}"; } # X Y [BUTTON]

# press_menu_hot_key: Alt+Shift+Insert typed into the window in front. The program drops a
# hot key that arrives while it is still busy with the paste before (seldom, under load):
# when no menu shows within 20 s the key is typed once more, and the run says so. Not
# sooner: a first key that is only slow still opens its menu, and under Wine the second
# key's Alt then leaves that menu on the screen deaf to the pointer.
press_menu_hot_key() {
    xdotool key alt+shift+Insert || fail "xdotool could not type the hot key"
    qbxctl wait-menus 1 20 >/dev/null 2>&1 && return
    note "no menu 20 s after the hot key: typed again"
    xdotool key alt+shift+Insert || fail "xdotool could not type the hot key"
}

# menu_shown ENTRIES [N]: RECT and l t r b are the place of the last opened of N menus (1),
# ROW the height of one of its ENTRIES (owner-drawn entries are all alike); entry_y TOP N is
# the middle of entry N (0-based, no separator above) of the menu whose top is TOP.
menu_shown() {
    RECT=$(menu_rect "${2:-1}") || fail "menu ${2:-1} did not open"
    read -r l t r b <<<"$RECT"
    ROW=$(((b - t - 6) / $1))
}
entry_y() { printf '%s' $(($1 + 3 + $2 * ROW + ROW / 2)); }
# row_shows N COLOUR: entry N of the menu at RECT shows COLOUR at its left edge.
row_shows() {
    local l t r b
    read -r l t r b <<<"$RECT"
    wait_for "entry $1 of the menu at $RECT to show $2" pixel_is $((l + 3)) "$(entry_y "$t" "$1")" "$2"
}

# point_at_row N [keys] [COLOUR]: the pointer (at AT_X AT_Y), or the Down key from a menu
# just opened, goes to entry N of the menu at RECT; returns once it shows highlighted in
# COLOUR (by default COLOR_ACTIVECAPTION, as owner-drawn entries are; system-drawn: syscolor 13).
point_at_row() {
    local l t r b
    read -r l t r b <<<"$RECT"
    AT_X=$((l + 40)) AT_Y=$(entry_y "$t" "$1")
    if [ "${2:-}" = keys ]; then
        xdotool key --repeat $(($1 + 1)) Down
    else
        point_at "$AT_X" "$AT_Y"
    fi
    : "${HIGHLIGHT:=$(qbxctl syscolor 2)}"
    row_shows "$1" "${3:-$HIGHLIGHT}"
}

# context_menu N: a right click on entry N of the menu at RECT; CONTEXT and l t r b are its
# context menu's place. context_command ENTRIES N K: in the open main menu of ENTRIES
# entries, a right click on entry N and a click on the context menu's entry K from the bottom
# (0 "Close", 1 "Preferences", 2 "Pause service" or "Continue service", 4 "Camera").
context_menu() {
    point_at_row "$1"
    xdotool click 3
    CONTEXT=$(menu_rect 2) || fail "a right click on entry $1 opened no context menu"
    read -r l t r b <<<"$CONTEXT"
}
context_command() {
    menu_shown "$1"
    context_menu "$2"
    click_at $((l + 40)) $((b - 3 - $3 * ROW - ROW / 2))
}

# open_menu [ENTRIES]: the menu hot key typed with the pointer at 300,300 opens the main menu
# of ENTRIES (1) there (with nothing kept, the application menu); RECT and ROW as menu_shown
# sets them. open_app_menu X Y: a left click on the hot-icon there opens the application menu.
# keys_to_submenu N: Down to the Nth entry (0-based, separators skipped) and Right opens it.
# A submenu opened so has its first entry highlighted; the menus opened so have none.
open_menu() {
    xdotool mousemove 300 300 || fail "xdotool could not move the pointer"
    press_menu_hot_key
    menu_shown "${1:-1}"
    MENUS=1
}
open_app_menu() {
    click_at "$1" "$2"
    MENUS=1
    menu_rect 1 >/dev/null || fail "no application menu on a left click"
}
keys_to_submenu() {
    local downs=$(($1 + (MENUS == 1)))
    [ "$downs" -eq 0 ] || xdotool key --repeat "$downs" Down
    xdotool key Right
    MENUS=$((MENUS + 1))
    menu_rect "$MENUS" >/dev/null || fail "entry $1 opened no submenu"
}

# press TITLE ID [hover]: a click on (or the pointer over) control ID (1 OK, 2 Cancel, 6 Yes,
# 7 No) of the dialog or message box TITLE, the topmost window of that title. (qbxctl dialog
# TITLE waits for one and prints its controls' texts.)
press() {
    local l t r b
    read -r l t r b <<<"$(qbxctl item "$1" "$2")"
    [ -n "$b" ] || fail "no control $2 in the window '$1'"
    point_at $(((l + r) / 2)) $(((t + b) / 2))
    [ -n "${3:-}" ] || xdotool click 1
}

# The input dialog: the topmost window titled Quillbox, its edit field 2047. Keys go to the
# window under the pointer (no window manager), so the pointer goes to the field first; its
# text is selected when the dialog opens: what is typed replaces it.
dialog_gone() { ! qbxctl item Quillbox 2047 >/dev/null 2>&1; }
wait_input_dialog() { wait_for "the input dialog" qbxctl item Quillbox 2047; }
type_in_dialog() { # TEXT, then Enter
    press Quillbox 2047 hover
    xdotool type "$1"
    xdotool key Return
    wait_for "the input dialog to close" dialog_gone
}
cancel_dialog() {
    press Quillbox 2
    wait_for "the input dialog to close" dialog_gone
}

# start_target [plain|rich]: an application to paste into (tests/e2e/progs/pastetarget.cpp),
# in front with its control focused. target_text: what its control holds, line ends as LF.
PASTETARGET="$QBX_BUILD/mingw/e2e/pastetarget.exe"
TARGET_OUT="$QBX_PROGRAM_DIR/../target"
start_target() {
    rm -f "$TARGET_OUT".*
    start_helper "the target window" "$TARGET_OUT.log" ready "$PASTETARGET" "$TARGET_OUT" "${1:-plain}" 200
    # Without a window manager the keyboard goes to the window under the pointer.
    xdotool mousemove 300 300
}
start_with_target() { start_target "$@" && start_capturing; } # [plain|rich], then the program
target_text() { tr -d '\r' <"$TARGET_OUT.txt" 2>/dev/null; }
target_text_is() { [ "$(target_text)" = "$1" ]; }
wait_target_text() { SHOWN=target_text wait_for "the target to hold '$1'" target_text_is "$1"; }
