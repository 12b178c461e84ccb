# The About box, as a user opens it from the Preferences submenu of an item's context menu:
# the savings of 1000 pastes, the version and the banner; a right click in it lists the
# clipboard's formats.
. "$QBX_ROOT/tests/e2e/lib/paste.sh"
qbx_set m_nPasteCount=1000 m_dwOptions=0xF95D # the defaults and autosave
start_target plain # hot keys reach the program while a window of Wine has the focus
start_capturing
clip_set "listed text"
wait_captions "listed text"

xdotool mousemove 300 300 || fail "xdotool could not move the pointer"
press_menu_hot_key
context_command 1 0 1 # a right click on the item, then "Preferences"
read -r l t r b <<<"$(menu_rect 3)"
[ -n "$b" ] || fail "\"Preferences\" opened no submenu"
click_at $((l + 40)) $((b - 12)) # its last entry, "About"
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
end_session
