#include "ui/menu_model.h"

#include <algorithm>

#include "platform/win_constants.h"
#include "store/preferences.h"
#include "ui/menu_ids.h"
#include "ui/time_entries.h"
#include "ui/typed_urls.h"

namespace {
MenuEntry ItemEntry(CClipItem* item, unsigned id) {
    MenuEntry e;
    e.kind = EntryKind::Item;
    e.id = id;
    e.item = item;
    return e;
}

MenuEntry PopupEntry(EntryKind kind, std::unique_ptr<MenuModel> submenu) {
    MenuEntry e;
    e.kind = kind;
    e.popup = true;
    e.submenu = std::move(submenu);
    return e;
}

// The popups that carry a tag instead of the address of their entry.
struct KindTag {
    EntryKind kind;
    uintptr_t tag;
};
constexpr KindTag kKindTags[] = {
    {EntryKind::TimePopup, TAG_TIME},
    {EntryKind::UrlPopup, TAG_URLS},
    {EntryKind::OpenSavePopup, TAG_DOCS_OPENSAVE},
    {EntryKind::RecentPopup, TAG_DOCS_RECENT},
    {EntryKind::PasteAsPopup, TAG_PASTE_AS},
    {EntryKind::PlayerPopup, TAG_PLAYER},
    {EntryKind::SchedulerPopup, TAG_SCHEDULER},
    {EntryKind::PreferencesPopup, TAG_PREFERENCES},
};

// The first items of `list` by position, ids 1..127. A collection of any size costs no
// more than one of 127 items: the system's menus grow slowly with every entry.
void AddItems(const ClipList& list, MenuModel& menu) {
    const size_t count = std::min<size_t>(list.size(), MAX_MENU_ITEMS);
    menu.entries.reserve(menu.entries.size() + count);
    for (size_t i = 0; i < count; ++i)
        menu.entries.push_back(ItemEntry(list[i].get(), static_cast<unsigned>(i + 1)));
}

std::unique_ptr<MenuModel> CollectionMenu(const CClipItem& collection) {
    auto menu = std::make_unique<MenuModel>();
    AddItems(collection.children, *menu);
    return menu;
}
} // namespace

unsigned MenuFlagsOf(const MenuEntry& entry) {
    unsigned flags = win::MF_OWNERDRAW;
    if (entry.popup)
        flags |= win::MF_POPUP;
    if (entry.groupMark)
        flags |= win::MF_CHECKED;
    return flags;
}

bool EntryTag(EntryKind kind, uintptr_t& tag) {
    for (const KindTag& k : kKindTags) {
        if (k.kind == kind) {
            tag = k.tag;
            return true;
        }
    }
    return false;
}

bool KindOfTag(uintptr_t tag, EntryKind& kind) {
    for (const KindTag& k : kKindTags) {
        if (k.tag == tag) {
            kind = k.kind;
            return true;
        }
    }
    return false;
}

std::unique_ptr<MenuModel> BuildTimeMenu() {
    auto menu = std::make_unique<MenuModel>();
    for (int n = 0; n < TIME_FORMAT_COUNT; ++n) {
        MenuEntry e;
        e.kind = EntryKind::TimeEntry;
        e.id = ID_TIME_FIRST + static_cast<unsigned>(n);
        menu->entries.push_back(std::move(e));
    }
    return menu;
}

MenuModel BuildMainMenu(const MainMenuSources& sources) {
    MenuModel menu;
    AddItems(sources.active, menu);

    unsigned collections = 0;
    for (const auto& collection : sources.collections) {
        if (collections == MAX_MENU_COLLECTIONS)
            break;
        MenuEntry e = PopupEntry(EntryKind::Collection, CollectionMenu(*collection));
        e.item = collection.get();
        e.text = collection->caption;
        e.groupMark = collections == 0;
        menu.entries.push_back(std::move(e));
        ++collections;
    }

    // The first extension popup present starts the group of extensions.
    bool markNext = true;
    auto addExtension = [&](EntryKind kind, std::unique_ptr<MenuModel> submenu) {
        MenuEntry e = PopupEntry(kind, std::move(submenu));
        e.groupMark = markNext;
        markNext = false;
        menu.entries.push_back(std::move(e));
    };
    if (sources.options & OPT_EXT_TIME)
        addExtension(EntryKind::TimePopup, BuildTimeMenu());
    if (sources.options & OPT_EXT_URLS) {
        auto urls =
            sources.registry ? BuildTypedUrlMenu(*sources.registry) : std::make_unique<MenuModel>();
        addExtension(EntryKind::UrlPopup, std::move(urls));
    }
    if (sources.options & OPT_EXT_DOCS_OPENSAVE)
        addExtension(EntryKind::OpenSavePopup, nullptr);
    if (sources.options & OPT_EXT_DOCS_RECENT)
        addExtension(EntryKind::RecentPopup, nullptr);
    return menu;
}

size_t CountEntries(const MenuModel& model) {
    size_t n = model.entries.size();
    for (const MenuEntry& e : model.entries)
        if (e.submenu)
            n += CountEntries(*e.submenu);
    return n;
}
