# The program writes Clipboard.qbx at shutdown and reads it back at the next start, with the
# preferences corrected for this screen (1280 x 800); qbx.exe under Wine reads the same
# bytes as the native qbx, stdout unchanged by the Windows runtime.
file="$QBX_PROGRAM_DIR/Clipboard.qbx"
qbx_exe() { (cd "$QBX_PROGRAM_DIR" && wine qbx.exe "$@"); }

run_once() { # what
    start_quillbox
    wait_frame
    qbxctl close Quillbox || fail "could not post WM_CLOSE to the frame ($1)"
    wait_ended "$QUILLBOX_PID" "Quillbox.exe to save and end ($1)"
}

# A first start without a file creates the active collection with its one item.
run_once "first start"
assert_true "Clipboard.qbx after the first run is whole" "$QBX_NATIVE" check "$file"
list=$("$QBX_NATIVE" list "$file")
case "$list" in
"1	text	"*"	Active collection has been creat...") ;;
*) fail "unexpected items after the first run: $list" ;;
esac
assert_eq "$("$QBX_NATIVE" prefs "$file" | grep '^m_ptHot')" "$(printf 'm_ptHot.x=1160\nm_ptHot.y=60')" \
    "hot window placed from the screen width"

# Preferences from a larger screen come back into reach (the hot-icon at the nearest corner
# of this one); the rest is kept.
"$QBX_NATIVE" set "$file" m_ptHot.x=5000 m_ptHot.y=5000 m_nMaxItems=33 m_nUserHotKeyVk=0x51 \
    m_nUserHotKeyMods=0x3 m_nHotMenuWidth=5 || fail "qbx set failed"
run_once "second start"
prefs=$("$QBX_NATIVE" prefs "$file")
for want in m_ptHot.x=$((E2E_SCREEN_WIDTH - 38)) m_ptHot.y=$((E2E_SCREEN_HEIGHT - 38)) \
    m_nMaxItems=33 m_nUserHotKeyVk=0x51 \
    m_nUserHotKeyMods=0x3 m_nHotMenuWidth=100; do
    printf '%s\n' "$prefs" | grep -qx "$want" || fail "after the second run $want is missing: $prefs"
done
assert_eq "$("$QBX_NATIVE" list "$file")" "$list" "items after the second run"

# The Windows tool prints exactly the bytes the native one does.
for args in "list Clipboard.qbx" "prefs Clipboard.qbx" "show Clipboard.qbx 1" "check Clipboard.qbx"; do
    # shellcheck disable=SC2086
    native=$(cd "$QBX_PROGRAM_DIR" && "$QBX_NATIVE" $args | od -An -tx1)
    # shellcheck disable=SC2086
    windows=$(qbx_exe $args 2>/dev/null | od -An -tx1)
    assert_eq "$windows" "$native" "qbx.exe $args"
done
qbx_exe show Clipboard.qbx 9 >/dev/null 2>&1
assert_eq "$?" 1 "qbx.exe exit status for a missing item"
