#pragma once
// The two documents submenus: documents opened or saved through the common file dialogs,
// and the recently used documents. Both are built once, at start-up, from the system's
// lists; their entries share one id range (16640..17150) per submenu, and no popup of
// them holds more than 127 entries.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/menu_model.h"

class IRegistryLists;
class IDocumentShell;

constexpr const char* OPEN_SAVE_MRU_KEY =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU";
constexpr const char* RECENT_DOCS_KEY =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs";
constexpr const char* SHELL_FOLDERS_KEY =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The key's subkey names, sorted ascending without regard to case.
std::vector<std::string> ListSortedSubkeys(IRegistryLists& registry, const std::string& key);

// One popup per file-type subkey (in sorted order) holding the documents of its MRUList
// that lie on a fixed disk and exist; entry text = the full path. Subkeys left without
// documents get no popup.
std::unique_ptr<MenuModel> BuildOpenSaveMenu(IRegistryLists& registry, IDocumentShell& shell);

// The documents of the RecentDocs key itself, then one popup per subkey, each document
// kept only when its shortcut in the Recent folder resolves; entry text = the shortcut's
// name without its last extension ("report.doc.lnk" shows as "report.doc").
std::unique_ptr<MenuModel> BuildRecentDocsMenu(IRegistryLists& registry, IDocumentShell& shell);

// The user's Recent folder; empty when the system does not say.
std::string RecentFolder(const IRegistryLists& registry);

// "C:\" for "C:\dir\file.txt"; "\" when the path names no drive.
std::string DriveRootOf(const std::string& path);

// The name of the document's shortcut that a value of the recent-documents list holds:
// after the display name and its NUL, and 14 bytes more. Either name may be UTF-16 (its
// second byte 0 or 4) or 8-bit. False when the data ends too early or the name is empty.
bool ShortcutNameOfRecentValue(const std::vector<uint8_t>& data, std::u16string& name);
