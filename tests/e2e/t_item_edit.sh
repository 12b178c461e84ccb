# "Edit" in an item's context menu opens the item in the editor registered for its kind (a
# stand-in here); the program goes on meanwhile (a cut is kept at once), and once the editor
# has ended the item holds what the editor wrote and its temporary file is gone. German is
# chosen (m_nLanguage 1, as the Language submenu stores it, with QuillboxGerman.dll beside
# the program): "Edit" is chosen by the letter of "&Bearbeiten", which English lacks.
. "$QBX_ROOT/tests/e2e/lib/paste.sh"
signals="$QBX_PROGRAM_DIR/../editor"
mkdir -p "$signals"
stub=$(wine winepath -w "$QBX_BUILD/mingw/e2e/editstub.exe" | tr -d '\r')
signals_w=$(wine winepath -w "$signals" | tr -d '\r')
old_class=$(wine reg query 'HKCR\.txt' /ve 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_SZ *//p')
restore_txt() {
    wine reg delete 'HKCR\QuillboxTestText' /f >/dev/null 2>&1
    if [ -n "$old_class" ]; then
        wine reg add 'HKCR\.txt' /ve /d "$old_class" /f >/dev/null 2>&1
    fi
}
trap restore_txt EXIT
wine reg add 'HKCR\.txt' /ve /d QuillboxTestText /f >/dev/null || fail "could not register .txt"
wine reg add 'HKCR\QuillboxTestText\shell\edit\command' /ve \
    /d "\"$stub\" \"$signals_w\" \"%1\"" /f >/dev/null || fail "could not register the editor"

cp "$QBX_BUILD/mingw/QuillboxGerman.dll" "$QBX_PROGRAM_DIR/" || fail "no QuillboxGerman.dll"
add_item --text "first item"
qbx_set m_dwOptions=0xF95D m_nLanguage=1 # autosave: every cut is on the disk at once
start_target plain
start_capturing

# The item's context menu, and "Bearbeiten" in it.
xdotool mousemove 300 300 key alt+shift+Insert || fail "xdotool could not type the hot key"
read -r l t r b < <(qbxctl wait-menus 1 "$QBX_TIMEOUT" | tr -d '\r' | sed -n 1p)
[ -n "$b" ] || fail "the hot key did not open the main menu"
HIGHLIGHT=$(qbxctl syscolor 2 | tr -d '\r')
y=$(((t + b) / 2))
xdotool mousemove $((l + 40)) "$y"
wait_for "the item to show highlighted" pixel_is $((l + 3)) "$y" "$HIGHLIGHT"
qbxctl service Quillbox 0 32794 || fail "could not ask for the context menu"
[ -n "$(qbxctl wait-menus 2 "$QBX_TIMEOUT")" ] || fail "no context menu opened"
screenshot german-context-menu
xdotool key b
wait_for "the editor to start" test -f "$signals/editor.started"
assert_eq "$(cat "$signals/editor.started")" "first item" "what the editor was given"
ls "$QBX_PROGRAM_DIR" | grep -q '^~QBX~0001\.txt$' || fail "no temporary file: $(ls "$QBX_PROGRAM_DIR")"

# The editor is open: cuts are still kept.
clip_set "cut while editing"
wait_captions "cut while editing|first item"

# The user saves and closes the editor.
touch "$signals/editor.release"
wait_for "the editor to end" test -f "$signals/editor.done"
edited() { qbx show "$(program_file Clipboard.qbx)" 2 | tr -d '\r' | grep -qx "edited by the stand-in"; }
wait_for "the edited text in Clipboard.qbx" edited
assert_eq "$(captions)" "cut while editing|first item" "captions after the edit"
no_temp_files() { ! ls "$QBX_PROGRAM_DIR" | grep -q '^~QBX~'; }
wait_for "the temporary file to go" no_temp_files
end_session
