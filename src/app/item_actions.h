#pragma once
// Entry points of the dispatcher for commands whose work belongs to other units: printing
// and running items, the players and the Schedule dialog, opening documents and addresses,
// the current-time texts, and saving and reloading everything.
#include <cstdint>
#include <string>

class CServiceWnd;
class CClipItem;

// "Print": `text` is the item's text (read from its file when it lies there); bitmaps
// print from the item itself.
void PrintItem(CServiceWnd& service, unsigned entryId, const CClipItem& item,
               const std::string& text);
// "Run": opens every path or address written in the text, line by line.
void RunItemText(CServiceWnd& service, const std::string& text);
// "Play", and a plain choice of an item that carries a schedule.
void PlayItem(CServiceWnd& service, CClipItem& item);
// Schedule "Edit": the Schedule dialog for the item.
void EditItemSchedule(CServiceWnd& service, CClipItem& item);
// The player's "Skip" (to the next clip of the play list) and "Stop".
void SkipPlayingClip(CServiceWnd& service);
void StopPlayer(CServiceWnd& service);
// Opens a document of the documents submenus, or a typed address.
void OpenDocumentPath(CServiceWnd& service, const std::string& path);
void OpenTypedUrl(CServiceWnd& service, const std::string& url);
// The current time in the format of the time submenu's entry `index` (0..7).
std::string CurrentTimeText(CServiceWnd& service, unsigned index);
// "Save and refresh": writes every collection and reads them back.
void SaveAndRefresh(CServiceWnd& service);
