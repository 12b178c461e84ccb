# Menus and the input dialog driven with the pointer and keys, as a person does. Sourced
# after testlib.sh.

no_menus() { ! qbxctl wait-menus 1 0 >/dev/null 2>&1; }
# menu_rect [N]: "left top right bottom" of the last opened of N menus (1), once shown.
menu_rect() {
    local shown
    shown=$(qbxctl wait-menus "${1:-1}" "$QBX_TIMEOUT") || return 1
    printf '%s\n' "$shown" | tr -d '\r' | sed -n 1p
}
# point_at X Y: the pointer there, once Wine has it (a click sent sooner may go astray).
point_at() {
    xdotool mousemove "$1" "$2"
    qbxctl wait-cursor "$1" "$2" "$QBX_TIMEOUT" || fail "Wine did not see the pointer at $1,$2"
}
click_at() { point_at "$1" "$2" && xdotool click 1; }

# press_menu_hot_key: Alt+Shift+Insert typed into the window in front. The program drops a
# hot key that arrives while it is still busy with the paste before (seldom, under load):
# when no menu shows within 5 s the key is typed once more, and the run says so.
press_menu_hot_key() {
    xdotool key alt+shift+Insert || fail "xdotool could not type the hot key"
    qbxctl wait-menus 1 5 >/dev/null 2>&1 && return
    note "no menu 5 s after the hot key: typed again"
    xdotool key alt+shift+Insert || fail "xdotool could not type the hot key"
}

# main_menu_shown ENTRIES: RECT is the open main menu's place, ROW the height of one of its
# ENTRIES (all owner-drawn entries are alike, a context menu's too); entry_y TOP N is the
# middle of entry N (0-based, no separator above) of the menu whose top is TOP.
main_menu_shown() {
    RECT=$(menu_rect) || fail "the main menu did not open"
    local l t r b
    read -r l t r b <<<"$RECT"
    ROW=$(((b - t - 6) / $1))
}
entry_y() { printf '%s' $(($1 + 3 + $2 * ROW + ROW / 2)); }

# point_at_row N [keys]: the pointer, or the Down key from a menu just opened, goes to entry
# N of the main menu; returns once it shows highlighted (in COLOR_ACTIVECAPTION).
point_at_row() {
    local l t r b y
    read -r l t r b <<<"$RECT"
    y=$(entry_y "$t" "$1")
    if [ "${2:-}" = keys ]; then
        xdotool key --repeat $(($1 + 1)) Down
    else
        point_at $((l + 40)) "$y"
    fi
    : "${HIGHLIGHT:=$(qbxctl syscolor 2 | tr -d '\r')}"
    wait_for "entry $1 of the menu to show highlighted" pixel_is $((l + 3)) "$y" "$HIGHLIGHT"
}
# context_menu N: a right click on entry N of the main menu; CONTEXT is its context menu's place.
context_menu() {
    point_at_row "$1"
    xdotool click 3
    CONTEXT=$(menu_rect 2) || fail "a right click on entry $1 opened no context menu"
}
# context_command ENTRIES N K: in the open main menu of ENTRIES entries, a right click on entry
# N and a click on the context menu's entry K from the bottom (0 "Close", 2 "Pause service"
# or "Continue service", 4 "Camera").
context_command() {
    main_menu_shown "$1"
    context_menu "$2"
    local l t r b
    read -r l t r b <<<"$CONTEXT"
    click_at $((l + 40)) $((b - 3 - $3 * ROW - ROW / 2))
}

SYSTEM_HIGHLIGHT=$(qbxctl syscolor 13 | tr -d '\r') # COLOR_HIGHLIGHT: a system-drawn entry

# open_app_menu: the hot key with nothing kept opens the application menu at the pointer.
open_app_menu() {
    xdotool mousemove 300 300 key alt+shift+Insert || fail "xdotool could not type the hot key"
    MENUS=1
    [ -n "$(menu_rect 1)" ] || fail "the hot key opened no menu"
}
# keys_to_submenu N: Down to the Nth entry (0-based, separators skipped) and Right opens it.
# A submenu opened so has its first entry highlighted; the menu of the hot key has none.
keys_to_submenu() {
    local downs=$(($1 + (MENUS == 1)))
    [ "$downs" -eq 0 ] || xdotool key --repeat "$downs" Down
    xdotool key Right
    MENUS=$((MENUS + 1))
    [ -n "$(menu_rect "$MENUS")" ] || fail "entry $1 opened no submenu"
}

# The input dialog: the topmost window titled Quillbox, its edit field 2047. Keys go to the
# window under the pointer (no window manager), so the pointer goes to the field first.
dialog_gone() { ! qbxctl item Quillbox 2047 >/dev/null 2>&1; }
wait_input_dialog() { wait_for "the input dialog" qbxctl item Quillbox 2047; }
click_in_dialog() { # CONTROL-ID [click]
    local l t r b
    read -r l t r b <<<"$(qbxctl item Quillbox "$1" | tr -d '\r')"
    xdotool mousemove $(((l + r) / 2)) $(((t + b) / 2)) ${2:+click 1}
}
# type_in_dialog TEXT: TEXT replaces the field's text (selected when the dialog opens); Enter.
type_in_dialog() {
    click_in_dialog 2047
    xdotool type "$1"
    xdotool key Return
    wait_for "the input dialog to close" dialog_gone
}
cancel_dialog() {
    click_in_dialog 2 click
    wait_for "the input dialog to close" dialog_gone
}

# pref NAME: a preference field of Clipboard.qbx as the file holds it now.
pref() { qbx prefs "$(program_file Clipboard.qbx)" | tr -d '\r' | sed -n "s/^$1[ =:]*//p"; }
