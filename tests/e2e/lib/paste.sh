# Helpers for the paste tests: a target application to paste into, and keys pressed on the
# private display. Sourced by the t_paste_*.sh scripts after testlib.sh.

. "$QBX_ROOT/tests/e2e/lib/menus.sh"

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
wait_target_text() { # TEXT
    local deadline=$((SECONDS + QBX_TIMEOUT))
    until target_text_is "$1"; do
        [ "$SECONDS" -lt "$deadline" ] ||
            fail "timed out after ${QBX_TIMEOUT}s waiting for the target to hold '$1' (it holds '$(target_text)')"
        sleep 0.2
    done
}

# super_hot_key MODIFIER KEY: the modifier held while KEY is typed, released only once the
# paste has arrived (as a person keeps holding it): call release_modifier after waiting.
super_hot_key() {
    HELD_MODIFIER=$1
    xdotool keydown "$1" key "$2" || fail "xdotool could not press $1+$2"
}
release_modifier() { xdotool keyup "${HELD_MODIFIER:-alt}"; }

# add_item ARGS...: qbx add on Clipboard.qbx, before the program starts.
add_item() { qbx add "$(program_file Clipboard.qbx)" "$@" >/dev/null || fail "qbx add $*"; }

# open_menu: the menu hot key typed into the target; sets MENU_RECT once the main menu shows.
open_menu() {
    press_menu_hot_key
    MENU_RECT=$(menu_rect 1) || fail "the hot key did not open the main menu"
}
