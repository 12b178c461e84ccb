# German: with QuillboxGerman.dll beside the program and German chosen (m_nLanguage 1, as
# the Language submenu stores it), the menus and the About box speak German.
. "$QBX_ROOT/tests/e2e/lib/paste.sh"
cp "$QBX_BUILD/mingw/QuillboxGerman.dll" "$QBX_PROGRAM_DIR/" || fail "no QuillboxGerman.dll"
add_item --text "erster Eintrag"
qbx_set m_nLanguage=1
start_target plain
start_capturing

# The item's context menu: its first entry's submenu, "Einfügen als", is German, and its
# letters are: "g" chooses "&Großbuchstaben" (capitals), which English has not.
xdotool mousemove 300 300 key alt+shift+Insert || fail "xdotool could not type the hot key"
read -r l t r b < <(qbxctl wait-menus 1 "$QBX_TIMEOUT" | tr -d '\r' | sed -n 1p)
[ -n "$b" ] || fail "the hot key did not open the main menu"
HIGHLIGHT=$(qbxctl syscolor 2 | tr -d '\r')
y=$(((t + b) / 2))
xdotool mousemove $((l + 40)) "$y"
wait_for "the item to show highlighted" pixel_is $((l + 3)) "$y" "$HIGHLIGHT"
qbxctl service Quillbox 0 32794 || fail "could not ask for the context menu"
read -r l t r b < <(qbxctl wait-menus 2 "$QBX_TIMEOUT" | tr -d '\r' | sed -n 1p)
[ -n "$b" ] || fail "no context menu opened"
xdotool mousemove $((l + 40)) $((t + 8))
[ -n "$(qbxctl wait-menus 3 "$QBX_TIMEOUT")" ] || fail "the first entry opened no submenu"
screenshot german-context-menu
xdotool key g
wait_target_text "ERSTER EINTRAG"

# The About box of a second start, after the one paste.
first=$QUILLBOX_PID
start_quillbox
wait_ended "$QUILLBOX_PID" "the second Quillbox.exe"
about=$(qbxctl dialog Quillbox "$QBX_TIMEOUT" | iconv -f cp1252 -t utf-8 | tr -d '\r') ||
    fail "no About box appeared"
grep -qx '2005 Das Programm hat Ihnen schon \$0.03 gespart' <<<"$about" ||
    fail "the About box is not German: $about"
screenshot german-about
xdotool key Return
QUILLBOX_PID=$first
end_session
