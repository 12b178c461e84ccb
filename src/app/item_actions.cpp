// The dispatcher's entry points for work that other units do: printing, the players and
// the Schedule dialog.
#include "app/item_actions.h"

#include "app/collection_store.h"
#include "app/service_wnd.h"
#include "platform/document_shell.h"
#include "platform/schedule_editor.h"
#include "player/scheduler.h"
#include "store/item_export.h"
#include "store/temp_files.h"

bool PrintItem(IDocumentShell& shell, unsigned entryId, const CClipItem& item,
               const std::string& text) {
    std::string content = text;
    if (!item.IsTextLike() && !ItemFileContent(item, content))
        return false;
    // The file stays for the program that prints it; the next clean-up takes it.
    const std::string path = TempFilePath(entryId + 1, item.GetFileExtension());
    if (!WriteFileBytes(path, content))
        return false;
    return shell.Print(path) || shell.OpenFile(path);
}

void PlayItem(CServiceWnd& service, CClipItem& item) {
    if (service.m_pScheduler && item.IsTextLike())
        service.m_pScheduler->PlayItemNow(PlayListOf(item), item.caption);
}

void EditItemSchedule(CServiceWnd& service, ICollectionStore& store, CClipItem& item) {
    if (!service.m_pScheduleEditor || !item.IsTextLike())
        return;
    service.m_dwState |= ST_BUSY;
    service.SetBusy(true);
    std::string caption = item.caption;
    std::string playList = PlayListOf(item);
    if (service.m_pScheduleEditor->EditSchedule(caption, playList)) {
        // A schedule keeps its play list as plain text.
        if (item.type == CLIP_RTF)
            item.type = CLIP_TEXT;
        item.SetHtml(std::string());
        item.caption = caption;
        item.SetContentText(playList);
        if (item.owner) {
            item.owner->flags |= CLIP_MODIFIED;
            store.SaveModifiedCollections(service);
        } else {
            store.SaveActiveCollection(service);
        }
        service.ReopenMainMenu();
    }
    service.SetBusy(false);
    service.m_dwState &= ~ST_BUSY;
}

void SkipPlayingClip(CServiceWnd& service) {
    if (service.m_pScheduler)
        service.m_pScheduler->SkipClip();
}

void StopPlayer(CServiceWnd& service) {
    if (service.m_pScheduler)
        service.m_pScheduler->StopAllPlayers();
}
