# Rich Text, text with its HTML, a picture and a file list offered on the X clipboard become
# items of their kinds. Wine turns text/rtf into "Rich Text Format", text/html into
# "HTML Format" (the program's "HTML format" is the same registered format), image/bmp into
# CF_DIB, image/png alone only into "PNG" (which the program decodes) and text/uri-list into
# CF_HDROP.
qbx_set m_dwOptions=0x0400F15D # the defaults plus autosave and HTML
data="$QBX_PROGRAM_DIR/../data"
mkdir -p "$data"

printf '{\\rtf1\\ansi rich {\\b words} here}' >"$data/cut.rtf"
printf 'rich words here' >"$data/cut.txt"
start_capturing
xoffer text/rtf "$data/cut.rtf" UTF8_STRING "$data/cut.txt"
wait_captions "rich words here"
assert_eq "$(items | cut -f2)" rtf "type of the Rich Text item"

cut_spacing
printf 'words with markup' >"$data/html.txt"
printf '<p>words <i>with</i> markup</p>' >"$data/cut.html"
xoffer UTF8_STRING "$data/html.txt" text/html "$data/cut.html"
wait_captions "words with markup|rich words here"
html=$(qbx show "$(program_file Clipboard.qbx)" 1 --html)
case "$html" in
*"<p>words <i>with</i> markup</p>"*) ;;
*) fail "the text item's HTML: '$html'" ;;
esac

cut_spacing
# Browsers and image viewers on X offer a copied picture as image/png alone.
convert -size 5x4 xc:orange -fill blue -draw 'point 0,0' "png:$data/cut.png" || fail "convert"
xoffer image/png "$data/cut.png"
wait_for "a picture item from the PNG" first_item_is bitmap
qbx show "$(program_file Clipboard.qbx)" 1 >"$data/kept.bmp" || fail "qbx show of the picture"
assert_eq "$(identify -format '%w %h' "$data/kept.bmp")" "5 4" "size of the kept picture"
assert_eq "$(convert "$data/kept.bmp" -format '%[pixel:p{0,0}] %[pixel:p{4,3}]' info:)" \
    "srgb(0,0,255) srgb(255,165,0)" "top-left and bottom-right pixels of the kept picture"

cut_spacing
# Programs that offer the picture in several forms: Wine takes the .bmp one as CF_DIB.
convert -size 6x2 xc:green "png:$data/both.png" || fail "convert"
convert "$data/both.png" "bmp3:$data/both.bmp" || fail "convert"
xoffer image/png "$data/both.png" image/bmp "$data/both.bmp"
first_caption_has() { items | head -n 1 | cut -f4 | grep -qF "$1"; }
wait_for "a picture item from the .bmp" first_caption_has "(6x2x"

cut_spacing
: >"$data/one.txt"
: >"$data/two.txt"
printf 'file://%s\r\nfile://%s\r\n' "$data/one.txt" "$data/two.txt" >"$data/files.uri"
xoffer text/uri-list "$data/files.uri"
wait_for "a file-list item" first_item_is files-wide
files=$(qbx show "$(program_file Clipboard.qbx)" 1 | tr -d '\r')
case "$files" in
*one.txt*two.txt*) ;;
*) fail "the file list: '$files'" ;;
esac

end_session
assert_eq "$(items | cut -f2 | paste -sd ' ')" "files-wide bitmap bitmap text rtf" "item types after the end"
assert_eq "$(items | sed -n 1p | cut -f4)" "one.txt + 1 file" "caption of the file list"
