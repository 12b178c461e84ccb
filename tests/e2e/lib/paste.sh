# An application to paste into, for the scripts that paste. Sourced after testlib.sh.
PASTETARGET="$QBX_BUILD/mingw/e2e/pastetarget.exe"
TARGET_OUT="$QBX_PROGRAM_DIR/../target"

# start_target [plain|rich]: the target window, in front with its control focused.
start_target() {
    rm -f "$TARGET_OUT".*
    (exec wine "$PASTETARGET" "$TARGET_OUT" "${1:-plain}" 200) >/dev/null 2>&1 &
    echo "$!" >>"$QBX_PIDS"
    wait_for "the target window" grep -q '^ready' "$TARGET_OUT.log"
    # Without a window manager the keyboard goes to the window under the pointer.
    xdotool mousemove 300 300
}

# What the target's control holds, line ends as LF.
target_text() { tr -d '\r' <"$TARGET_OUT.txt" 2>/dev/null; }
target_text_is() { [ "$(target_text)" = "$1" ]; }
wait_target_text() { wait_for "the target to hold '$1'" target_text_is "$1"; }

# super_hot_key MODIFIER KEY: the modifier held while KEY is typed, released only once the
# paste has arrived (as a person keeps holding it): call release_modifier after waiting.
super_hot_key() {
    HELD_MODIFIER=$1
    xdotool keydown "$1" key "$2" || fail "xdotool could not press $1+$2"
}
release_modifier() { xdotool keyup "${HELD_MODIFIER:-alt}"; }

# open_menu [ENTRIES]: the menu hot key typed into the target opens the main menu of ENTRIES
# (1) at the pointer; RECT and ROW as menu_shown sets them.
open_menu() {
    xdotool mousemove 300 300 || fail "xdotool could not move the pointer"
    press_menu_hot_key
    menu_shown "${1:-1}"
}
