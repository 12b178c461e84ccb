#include "ui/documents_menu.h"

#include <algorithm>

#include "platform/document_shell.h"
#include "platform/registry_lists.h"
#include "store/byte_block.h"
#include "store/no_case.h"
#include "store/text_rules.h"
#include "ui/menu_ids.h"

namespace {
constexpr size_t kMaxPath = 260;
constexpr size_t kRecentNameGap = 14; // bytes between the display name and the shortcut name
constexpr uint32_t kListEnd = 0xFFFFFFFF;

// Values hold their UTF-16 text with the high byte of the first unit 0 (Latin) or 4 (Cyrillic).
bool IsWideText(const std::vector<uint8_t>& data, size_t pos) {
    return pos + 1 < data.size() && (data[pos + 1] == 0 || data[pos + 1] == 4);
}

// Reads a NUL-terminated name at `pos` and moves `pos` past its terminator (or to the end).
std::u16string ReadName(const std::vector<uint8_t>& data, size_t& pos) {
    std::u16string name;
    if (IsWideText(data, pos)) {
        for (; pos + 1 < data.size(); pos += 2) {
            const char16_t unit = static_cast<char16_t>(GetLe16(&data[pos]));
            if (unit == 0) {
                pos += 2;
                return name;
            }
            name += unit;
        }
    } else {
        for (; pos < data.size(); ++pos) {
            if (data[pos] == 0) {
                ++pos;
                return name;
            }
            name += WidenText(std::string(1, static_cast<char>(data[pos])));
        }
    }
    pos = data.size();
    return name;
}

// The value names of a list key in their most-recent-first order: the letters of "MRUList",
// or else the decimal numbers of "MRUListEx".
std::vector<std::string> OrderOf(const IRegistryLists& registry, const std::string& key) {
    std::vector<std::string> names;
    std::vector<uint8_t> data;
    if (registry.ReadValue(key, "MRUList", data)) {
        for (uint8_t c : data) {
            if (c == 0)
                break;
            names.emplace_back(1, static_cast<char>(c));
        }
        return names;
    }
    if (!registry.ReadValue(key, "MRUListEx", data))
        return names;
    for (size_t i = 0; i + 4 <= data.size(); i += 4) {
        const uint32_t n = GetLe32(&data[i]);
        if (n == kListEnd)
            break;
        names.push_back(std::to_string(n));
    }
    return names;
}

bool IsFull(const MenuModel& popup) {
    return popup.entries.size() >= MAX_MENU_DOCUMENTS;
}

MenuEntry DocumentEntry(unsigned& next, std::string text) {
    MenuEntry e;
    e.kind = EntryKind::Document;
    e.id = next++;
    e.text = std::move(text);
    return e;
}

MenuEntry FileTypePopup(const std::string& name, std::unique_ptr<MenuModel> documents) {
    MenuEntry e;
    e.kind = EntryKind::FileTypePopup;
    e.popup = true;
    e.text = name;
    e.submenu = std::move(documents);
    return e;
}

std::string WithoutLastExtension(const std::string& name) {
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

// The documents of one key of RecentDocs whose shortcuts resolve.
void AddRecentDocuments(IRegistryLists& registry, IDocumentShell& shell, const std::string& key,
                        const std::u16string& folder, unsigned& next, MenuModel& into) {
    for (const std::string& value : OrderOf(registry, key)) {
        if (next >= ID_DOC_LIMIT || IsFull(into))
            return;
        std::vector<uint8_t> data;
        std::u16string shortcut;
        if (!registry.ReadValue(key, value, data) || !ShortcutNameOfRecentValue(data, shortcut))
            continue;
        if (!shell.ResolveShortcut(folder + u"\\" + shortcut, false))
            continue;
        std::string name = NarrowUtf16(shortcut);
        if (name.size() > kMaxPath)
            name.resize(kMaxPath);
        into.entries.push_back(DocumentEntry(next, WithoutLastExtension(name)));
    }
}
} // namespace

std::vector<std::string> ListSortedSubkeys(IRegistryLists& registry, const std::string& key) {
    std::vector<std::string> names = registry.SubkeyNames(key);
    names.erase(std::remove(names.begin(), names.end(), std::string()), names.end());
    std::stable_sort(names.begin(), names.end(), LessNoCase);
    return names;
}

std::string DriveRootOf(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':')
        return path.substr(0, 2) + "\\";
    return "\\";
}

bool ShortcutNameOfRecentValue(const std::vector<uint8_t>& data, std::u16string& name) {
    size_t pos = 0;
    ReadName(data, pos);
    pos += kRecentNameGap;
    if (pos >= data.size())
        return false;
    name = ReadName(data, pos);
    return !name.empty();
}

std::string RecentFolder(const IRegistryLists& registry) {
    std::vector<uint8_t> data;
    if (!registry.ReadValue(SHELL_FOLDERS_KEY, "Recent", data))
        return std::string();
    return BlockString(data);
}

std::unique_ptr<MenuModel> BuildOpenSaveMenu(IRegistryLists& registry, IDocumentShell& shell) {
    auto menu = std::make_unique<MenuModel>();
    unsigned next = ID_DOC_FIRST;
    for (const std::string& type : ListSortedSubkeys(registry, OPEN_SAVE_MRU_KEY)) {
        if (next >= ID_DOC_LIMIT || IsFull(*menu))
            break;
        const std::string key = std::string(OPEN_SAVE_MRU_KEY) + "\\" + type;
        std::vector<uint8_t> order;
        if (!registry.ReadValue(key, "MRUList", order) || order.empty())
            continue;
        auto documents = std::make_unique<MenuModel>();
        for (uint8_t c : order) {
            if (c == 0 || next >= ID_DOC_LIMIT || IsFull(*documents))
                break;
            std::u16string wide;
            if (!registry.ReadWideString(key, std::string(1, static_cast<char>(c)), wide))
                continue;
            std::string path = NarrowUtf16(wide);
            if (path.size() > kMaxPath)
                path.resize(kMaxPath);
            if (!shell.IsFixedDrive(DriveRootOf(path)) || !shell.FileExists(WidenText(path)))
                continue;
            documents->entries.push_back(DocumentEntry(next, path));
        }
        if (!documents->entries.empty())
            menu->entries.push_back(FileTypePopup(type, std::move(documents)));
    }
    return menu;
}

std::unique_ptr<MenuModel> BuildRecentDocsMenu(IRegistryLists& registry, IDocumentShell& shell) {
    auto menu = std::make_unique<MenuModel>();
    const std::vector<std::string> types = ListSortedSubkeys(registry, RECENT_DOCS_KEY);
    const std::u16string folder = WidenText(RecentFolder(registry));
    unsigned next = ID_DOC_FIRST;
    AddRecentDocuments(registry, shell, RECENT_DOCS_KEY, folder, next, *menu);
    for (const std::string& type : types) {
        if (next >= ID_DOC_LIMIT || IsFull(*menu))
            break;
        auto documents = std::make_unique<MenuModel>();
        AddRecentDocuments(registry, shell, std::string(RECENT_DOCS_KEY) + "\\" + type, folder,
                           next, *documents);
        if (!documents->entries.empty())
            menu->entries.push_back(FileTypePopup(type, std::move(documents)));
    }
    return menu;
}
