# "Edit" in an item's context menu opens the item in the editor registered for its kind (a
# stand-in here); the program goes on meanwhile (a cut is kept at once), and once the editor
# has ended the item holds what the editor wrote and its temporary file is gone. German is
# chosen (m_nLanguage 1, as the Language submenu stores it, with QuillboxGerman.dll beside
# the program): its context menus answer German letters.
signals="$QBX_PROGRAM_DIR/../editor"
mkdir -p "$signals"
stub=$(windows_path "$QBXCTL")
signals_w=$(windows_path "$signals")
old_class=$(wine reg query 'HKCR\.txt' /ve 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_SZ *//p')
restore_txt() {
    wine reg delete 'HKCR\QuillboxTestText' /f >/dev/null 2>&1
    [ -z "$old_class" ] || wine reg add 'HKCR\.txt' /ve /d "$old_class" /f >/dev/null 2>&1
}
trap restore_txt EXIT
wine reg add 'HKCR\.txt' /ve /d QuillboxTestText /f >/dev/null || fail "could not register .txt"
wine reg add 'HKCR\QuillboxTestText\shell\edit\command' /ve \
    /d "\"$stub\" edit-stub \"$signals_w\" \"%1\"" /f >/dev/null || fail "could not register the editor"

cp "$QBX_BUILD/mingw/QuillboxGerman.dll" "$QBX_PROGRAM_DIR/" || fail "no QuillboxGerman.dll"
add_item --text "first item"
qbx_set m_dwOptions=0xF95D m_nLanguage=1 # autosave: every cut is on the disk at once
start_with_target plain

# A right click on the item: its context menu's first entry opens "Einfügen als", whose
# letter "g" chooses "&Großbuchstaben" (capitals), a letter English has not there.
open_menu
context_menu 0
point_at $((l + 40)) "$(entry_y "$t" 0)"
menu_rect 3 >/dev/null || fail "the first entry of the context menu opened no submenu"
screenshot german-context-menu
xdotool key g
wait_target_text "FIRST ITEM"
wait_for "the menus to close" no_menus

# Again, and a click on "Bearbeiten" (Edit), the third entry below the first separator: 16
# entries and two separators make the context menu.
open_menu
context_menu 0
separator=$(((b - t - 6 - 16 * ROW) / 2))
click_at $((l + 40)) $((t + 3 + 6 * ROW + separator + ROW / 2))
wait_for "the editor to start" test -s "$signals/editor.started" # its copy is written, not only made
assert_eq "$(cat "$signals/editor.started")" "first item" "what the editor was given"
ls "$QBX_PROGRAM_DIR" | grep -q '^~QBX~0001\.txt$' || fail "no temporary file: $(ls "$QBX_PROGRAM_DIR")"

# The editor is open: cuts are still kept.
clip_set "cut while editing"
wait_captions "cut while editing|first item"

# The user saves and closes the editor.
touch "$signals/editor.release"
wait_for "the editor to end" test -f "$signals/editor.done"
edited() { qbx show "$(program_file Clipboard.qbx)" 2 | grep -qx "edited by the stand-in"; }
wait_for "the edited text in Clipboard.qbx" edited
assert_eq "$(captions)" "cut while editing|first item" "captions after the edit"
no_temp_files() { ! ls "$QBX_PROGRAM_DIR" | grep -q '^~QBX~'; }
wait_for "the temporary file to go" no_temp_files
end_session
