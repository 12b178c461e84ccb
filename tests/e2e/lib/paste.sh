# An application to paste into, for the scripts that paste. Sourced by testlib.sh.
PASTETARGET="$QBX_BUILD/mingw/e2e/pastetarget.exe"
TARGET_OUT="$QBX_PROGRAM_DIR/../target"

# start_target [plain|rich]: the target window, in front with its control focused.
start_target() {
    rm -f "$TARGET_OUT".*
    start_helper "the target window" "$TARGET_OUT.log" ready "$PASTETARGET" "$TARGET_OUT" "${1:-plain}" 200
    # Without a window manager the keyboard goes to the window under the pointer.
    xdotool mousemove 300 300
}

# What the target's control holds, line ends as LF.
target_text() { tr -d '\r' <"$TARGET_OUT.txt" 2>/dev/null; }
target_text_is() { [ "$(target_text)" = "$1" ]; }
wait_target_text() { wait_for "the target to hold '$1'" target_text_is "$1"; }
