# Ending the Wine session (as at logoff) ends the program through its orderly shutdown: it
# saves the active collection and clears the temporary files it left.
start_quillbox
wait_frame
printf 'left over' >"$(program_file '~QBX~0001.txt')"
# Wine starts the registered autostart programs when a session begins; the next Wine
# program after this session's end would start a copy nobody ends.
reset_registration

wineboot -e || fail "wineboot -e failed"
wait_ended "$QUILLBOX_PID" "Quillbox.exe after the session end"
assert_false "a Quillbox frame survived the session end" qbxctl info Quillbox
assert_false "the shutdown did not delete the temporary file" \
    test -e "$(program_file '~QBX~0001.txt')"
# A first start finds no file and begins with one item that says so.
assert_saved_with 1 "Active collection has been created"
