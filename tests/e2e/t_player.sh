# Scheduled clips chosen in the main menu play instead of being pasted. First a wave item:
# the internal wave player's sound reaches the sound output and the target receives nothing.
# Then a video clip: it plays through the media player, the video window shows its picture
# where the "Video" setting places it, and writes that place back as it ends. (Wine without
# a window manager stacks it below the windows of other programs, so it is placed beside the
# target window; the screenshot shows the clip's picture.)
for clip in chime.wav clip.avi; do
    python3 "$QBX_ROOT/tests/e2e/lib/make_clip.py" "$QBX_PROGRAM_DIR/$clip" ||
        fail "could not write $clip"
done
printf '[Configuration]\r\nVideo=700.420.320.240\r\n' >"$(program_file quillbox.ini)"
add_item --text "clip.avi" --caption "Clip <*:*,*,*,* *:* *:*,* *:*,*,*,* 00>"
add_item --text "chime.wav" --caption "Chime <*:*,*,*,* *:* *:*,* *:*,*,*,* 02>"
start_with_target plain

open_menu 2
xdotool key 1
wait_for "the wave player's sound" test -s "$QBX_SOUND_OUT"
assert_eq "$(target_text)" "" "what the target received"

open_menu 2
xdotool key 2
qbxctl wait-shown QuillboxVideo "$QBX_TIMEOUT" 700 420 ||
    fail "the video window did not show at 700,420"
# The clip's frames are patterns of many colours; the window alone is black.
picture_shown() {
    [ "$(import -display "$DISPLAY" -window root -crop 320x240+700+420 -format %k info:)" -gt 1 ]
}
wait_for "the clip's picture in the video window" picture_shown
screenshot player-video
rm "$(program_file quillbox.ini)" # read; the place is written anew as the window goes
end_session
[ "$(tr -d '\r' <"$(program_file quillbox.ini)")" = "$(printf '[Configuration]\nVideo=700.420.320.240')" ] ||
    fail "the video window's place was not kept: $(cat "$(program_file quillbox.ini)")"
