# Cuts on the X clipboard become items, on disk at once with autosave and once closed.
# Not kept, while the next viewer in the chain still hears of each: cuts while the service
# is paused (by clicks in the hot-icon's context menu), cuts marked "Clipboard Viewer Ignore"
# or with a Linux password manager's "x-kde-passwordManagerHint". Never lost: a cut another
# program keeps the clipboard open after, the last of a fast burst, one made while a large
# cut is read. Rich Text, text with its HTML, a picture and a file list become items of
# their kinds (Wine turns text/rtf into "Rich Text Format", text/html into "HTML Format",
# image/bmp into CF_DIB, image/png alone into "PNG", and text/uri-list into CF_HDROP).
# The defaults plus autosave and HTML; no size limit.
qbx_set m_dwOptions=0x0400F15D m_nMaxItemSizeKB=0 m_nMaxItems=30 m_ptHot.x=300 m_ptHot.y=200
data="$QBX_PROGRAM_DIR/../data"
mkdir -p "$data"
watch="$data/watch.log"
clip_set "cut before the start"
start_watcher "$watch"
start_capturing
wait_captions "cut before the start"

# hot_command ENTRIES K: a right click on the hot-icon opens the main menu of ENTRIES, and
# context_command chooses entry K from the bottom of the first item's context menu.
hot_command() {
    qbxctl hot Quillbox "$QBX_TIMEOUT" >/dev/null || fail "no hot-icon"
    click_at 310 210 3
    context_command "$1" 0 "$2"
}
pause_or_continue() { hot_command 1 2 && wait_for "the menus to close" no_menus; }
pause_or_continue
cut_spacing
# Set through the Windows clipboard: a cut taken over from X may bring a second,
# later notification, which could arrive after "Continue service" below.
qbxctl clip-set "cut while paused" || fail "qbxctl clip-set"
wait_watched "$watch" "cut while paused"
pause_or_continue
cut_spacing
qbxctl clip-set "secret words" "Clipboard Viewer Ignore" || fail "qbxctl clip-set"
wait_watched "$watch" "secret words"
cut_spacing
clip_set "kept after the pause"
wait_captions "kept after the pause|cut before the start"
wait_watched "$watch" "kept after the pause"

# A password as Linux password managers offer it, then the same text without their mark.
xoffer UTF8_STRING <(printf 'hunter2 words') x-kde-passwordManagerHint <(printf secret)
wait_watched "$watch" "hunter2 words"
assert_eq "$(captions)" "kept after the pause|cut before the start" "items after the password"
xoffer UTF8_STRING <(printf 'hunter2 words')
wait_captions "hunter2 words|kept after the pause|cut before the start"

# Another program opens the clipboard right after each cut and keeps it for a second.
cut_spacing
qbxctl clip-held "held cut one" 1000 >/dev/null || fail "qbxctl clip-held"
wait_for "the first held cut" newest_is "held cut one"
cut_spacing
qbxctl clip-held "held cut two" 1000 >/dev/null || fail "qbxctl clip-held"
wait_captions "held cut two|held cut one|hunter2 words|kept after the pause|cut before the start"

# A burst of cuts, each within the repeat gate of the one before: the last one is kept.
cut_spacing
for i in $(seq 1 100); do
    clip_set "burst cut $i"
done
wait_for "the last cut of the burst to be kept" newest_is "burst cut 100"

# A short text cut while the program reads a large one (20 MB) from the clipboard.
cut_spacing
head -c 20000000 /dev/zero | tr '\0' 'x' >"$data/large.txt"
xclip -display "$DISPLAY" -selection clipboard -i "$data/large.txt"
qbxctl clip-wait-open QuillboxService "$QBX_TIMEOUT" || fail "Quillbox never opened the clipboard for the large cut"
clip_set "cut during the large one"
wait_for "the cut made during the large one to be kept" newest_is "cut during the large one"
assert_eq "$(items | sed -n 2p | cut -f3)" 20000000 "the large cut, kept before it"

xoffer text/rtf <(printf '{\\rtf1\\ansi rich {\\b words} here}') UTF8_STRING <(printf 'rich words here')
wait_for "the Rich Text item" newest_is "rich words here"
newest_is rtf 2 || fail "the type of the Rich Text item: $(items | head -n 1)"

xoffer UTF8_STRING <(printf 'words with markup') text/html <(printf '<p>words <i>with</i> markup</p>')
wait_for "the text with its HTML" newest_is "words with markup"
html=$(qbx show "$(program_file Clipboard.qbx)" 1 --html)
[[ "$html" == *"<p>words <i>with</i> markup</p>"* ]] || fail "the text item's HTML: '$html'"

# Browsers and image viewers on X offer a copied picture as image/png alone.
xoffer image/png <(convert -size 5x4 xc:orange -fill blue -draw 'point 0,0' png:-)
wait_for "a picture item from the PNG" newest_is bitmap 2
kept=$(qbx show "$(program_file Clipboard.qbx)" 1 | convert bmp:- -format '%w %h %[pixel:p{0,0}] %[pixel:p{4,3}]' info:)
assert_eq "$kept" "5 4 srgb(0,0,255) srgb(255,165,0)" "size, top-left and bottom-right pixels of the picture"

# Programs that offer the picture in several forms: Wine takes the .bmp one as CF_DIB.
xoffer image/png <(convert -size 6x2 xc:green png:-) image/bmp <(convert -size 6x2 xc:green bmp3:-)
wait_for "a picture item from the .bmp" eval "items | head -n 1 | grep -qF '(6x2x'"

touch "$data/one.txt" "$data/two.txt"
xoffer text/uri-list <(printf 'file://%s\r\nfile://%s\r\n' "$data/one.txt" "$data/two.txt")
wait_for "a file-list item" newest_is files-wide 2
files=$(qbx show "$(program_file Clipboard.qbx)" 1)
[[ "$files" == *one.txt*two.txt* ]] || fail "the file list: '$files'"

# "Close" in the first item's context menu ends the program, which leaves the viewer chain:
# the watcher after it hears of the next cut.
hot_command "$(items | wc -l)" 0
ended_with "$QUILLBOX_PID" 0 "Quillbox.exe after Close"
clip_set "cut after the end"
wait_watched "$watch" "cut after the end"
assert_eq "$(items | head -n 6 | cut -f2 | paste -sd ' ')" "files-wide bitmap bitmap text rtf text" \
    "item types after the end"
newest_is "one.txt + 1 file" || fail "the file list's caption: $(items | head -n 1)"
