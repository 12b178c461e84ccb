#pragma once
// Entry points of the dispatcher for commands whose work belongs to other units: printing
// items, the players and the Schedule dialog.
#include <cstdint>
#include <string>

class CServiceWnd;
class CClipItem;
class IDocumentShell;
class ICollectionStore;

// "Print": `text` is the item's text (read from its file when it lies there); bitmaps
// print from the item itself. The item goes to temporary file entry id + 1, which the shell
// prints, or, when it cannot, opens. True when the shell took it.
bool PrintItem(IDocumentShell& shell, unsigned entryId, const CClipItem& item,
               const std::string& text);
// "Play", and a plain choice of an item that carries a schedule.
void PlayItem(CServiceWnd& service, CClipItem& item);
// Schedule "Edit": the Schedule dialog for the item; what the user made goes to `store`.
void EditItemSchedule(CServiceWnd& service, ICollectionStore& store, CClipItem& item);
// The player's "Skip" (to the next clip of the play list) and "Stop".
void SkipPlayingClip(CServiceWnd& service);
void StopPlayer(CServiceWnd& service);
