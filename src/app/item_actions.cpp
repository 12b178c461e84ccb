// The dispatcher's entry points for work that other units do. Until those units are in,
// each entry point does nothing: the command is accepted and has no effect.
#include "app/item_actions.h"

#include "app/service_wnd.h"

void PrintItem(CServiceWnd&, unsigned, const CClipItem&, const std::string&) {
    // Not yet: printing through a temporary file and the shell's "print" verb.
}

void PlayItem(CServiceWnd&, CClipItem&) {
    // Not yet: the scheduler plays the item's play list.
}

void EditItemSchedule(CServiceWnd&, CClipItem&) {
    // Not yet: the Schedule dialog.
}

void SkipPlayingClip(CServiceWnd&) {
    // Not yet: the players.
}

void StopPlayer(CServiceWnd&) {
    // Not yet: the players.
}
