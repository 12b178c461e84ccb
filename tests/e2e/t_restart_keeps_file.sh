# A start reads Clipboard.qbx and the session end writes it back: the stored preferences
# survive, corrected where this screen needs it, and an existing file gets no "created" item.
file=$(program_file Clipboard.qbx)
# A hot-window position off this screen is moved back onto it when the file is read.
qbx set "$file" m_nMaxItems=20 m_nMinTextSize=5 m_nCounter2=7 m_ptHot.x=5000 >/dev/null ||
    fail "qbx set failed"

start_quillbox
wait_frame
reset_registration # no autostart when the next session begins (see t_end_session.sh)
wineboot -e || fail "wineboot -e failed"
wait_ended "$QUILLBOX_PID" "Quillbox.exe after the session end"

qbx check "$file" >/dev/null || fail "Clipboard.qbx is not whole: $(qbx check "$file" 2>&1)"
prefs=$(qbx prefs "$file")
for want in m_nMaxItems=20 m_nMinTextSize=5 m_nCounter2=7 "m_ptHot.x=$((E2E_SCREEN_WIDTH - 120))"; do
    printf '%s\n' "$prefs" | grep -qx "$want" ||
        fail "saved preferences lack $want: $(printf '%s' "$prefs" | tr '\n' ' ')"
done
assert_eq "$(qbx list "$file" | wc -l)" 0 "items in the saved active collection"
