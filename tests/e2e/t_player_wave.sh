# Choosing a scheduled wave item in the main menu plays its play list instead of pasting it:
# the internal wave player's sound reaches the sound output.
. "$QBX_ROOT/tests/e2e/lib/paste.sh"
python3 "$QBX_ROOT/tests/e2e/lib/make_clip.py" "$QBX_PROGRAM_DIR/chime.wav" ||
    fail "could not write chime.wav"
add_item --text "Sounds are played, not pasted" --caption "Plain"
add_item --text "chime.wav" --caption "Chime <*:*,*,*,* *:* *:*,* *:*,*,*,* 02>"
start_target plain
start_capturing

xdotool key alt+shift+Insert || fail "xdotool could not type the hot key"
qbxctl wait-menus 1 "$QBX_TIMEOUT" >/dev/null || fail "the hot key did not open the main menu"
xdotool key 1
wait_for "the wave player's sound" sound_played
assert_eq "$(target_text)" "" "what the target received"
end_session
