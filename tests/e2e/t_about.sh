# The About box, as a user opens it by starting the program again: the savings of 1000
# pastes, the version and the banner; a right click in it lists the clipboard's formats.
qbx_set m_nPasteCount=1000 m_dwOptions=0xF95D # the defaults and autosave
start_capturing
first=$QUILLBOX_PID
clip_set "listed text"
wait_captions "listed text"

start_quillbox
wait_ended "$QUILLBOX_PID" "the second Quillbox.exe"
about=$(qbxctl dialog Quillbox "$QBX_TIMEOUT" | tr -d '\r') || fail "no About box appeared"
grep -qx '2005 The program has saved \$30.00 of your money' <<<"$about" ||
    fail "the savings line after 1000 pastes is wrong: $about"
grep -qx '2015 Version 3.1' <<<"$about" || fail "no version line: $about"
read -r left top right bottom < <(sed -n 's/^rect //p' <<<"$about")
[ -n "$bottom" ] || fail "the About box has no place on the screen: $about"
screenshot about

# A right click beside the savings line: the formats of the cut, in a box of their own.
xdotool mousemove $((left + 12)) $(((top + bottom) / 2)) click 3
listing=$(qbxctl box "Clipboard formats" "$QBX_TIMEOUT" | tr -d '\r') ||
    fail "the right click listed no formats"
screenshot about-formats
for line in "0001 TEXT" "000D UNICODETEXT"; do
    grep -q "^ *$line\$" <<<"$listing" || fail "the listing lacks '$line': $listing"
done
read -r _ x y < <(grep '^button ' <<<"$listing")
xdotool mousemove "$x" "$y" click 1
wait_for "the listing to close" qbxctl wait-gone "Clipboard formats" 0

# Return (OK) closes the box; the program goes on.
no_about() { ! qbxctl dialog Quillbox 0; }
xdotool mousemove $((left + 12)) $(((top + bottom) / 2)) key Return
wait_for "the About box to close" no_about
QUILLBOX_PID=$first
end_session
