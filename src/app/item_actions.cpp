// The dispatcher's entry points for work that other units do. Until those units are in,
// each entry point does nothing: the command is accepted and has no effect.
#include "app/item_actions.h"

#include "app/service_wnd.h"
#include "platform/service_window.h"
#include "resource.h"

void PrintItem(CServiceWnd&, unsigned, const CClipItem&, const std::string&) {
    // Not yet: printing through a temporary file and the shell's "print" verb.
}

void RunItemText(CServiceWnd&, const std::string&) {
    // Not yet: opening the paths and addresses of the text line by line.
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

void OpenDocumentPath(CServiceWnd&, const std::string&) {
    // Not yet: the documents submenus' opener.
}

void OpenTypedUrl(CServiceWnd&, const std::string&) {
    // Not yet: the typed addresses' opener.
}

std::string CurrentTimeText(CServiceWnd&, unsigned) {
    // Not yet: the time submenu's formats. An empty text pastes nothing.
    return std::string();
}

void SaveAndRefresh(CServiceWnd& service) {
    // The same as the service's own save-and-reload command.
    service.Ports().window.SendCommand(0, ID_SAVE_AND_RELOAD);
}
