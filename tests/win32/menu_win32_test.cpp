// Menu models as real menus: ids, flags and item data as the drawing and the dispatcher
// expect them, the shared documents popups surviving each main menu, the context menus of
// menu 128, and measuring and painting every kind of entry.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/service_wnd.h"
#include "fakes/fake_service_ports.h"
#include "handles.h"
#include "menu_draw.h"
#include "menu_entries.h"
#include "platform/ui_strings.h"
#include "resource.h"
#include "ui/menu_ids.h"
#include "ui/menu_model.h"
#include "ui/menu_rules.h"

namespace {
struct EntryInfo {
    UINT type = 0, state = 0, id = 0;
    HMENU sub = nullptr;
    ULONG_PTR data = 0;
};

EntryInfo InfoAt(HMENU menu, int pos) {
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA;
    EntryInfo info;
    if (GetMenuItemInfoA(menu, static_cast<UINT>(pos), TRUE, &mii)) {
        info.type = mii.fType;
        info.state = mii.fState;
        info.id = mii.wID;
        info.sub = mii.hSubMenu;
        info.data = mii.dwItemData;
    }
    return info;
}

// A main menu with every kind of entry: items, a collection with items and an empty one,
// and all four extension popups (typed addresses read from the fake registry).
class MenuWin32 : public ::testing::Test, protected FakeServicePorts {
protected:
    ClipList active, collections;
    MenuModel documents;
    UniqueMenu sharedOpenSave, sharedRecent;
    CServiceWnd service{Ports(), 1024, 0};

    void SetUp() override {
        for (const char* t : {"first text", "second text"})
            active.push_back(CClipItem::FromText(t));
        for (const char* name : {"Letters", "Empty"}) {
            collections.push_back(CClipItem::NewCollection(name));
            if (std::string(name) == "Letters") {
                auto item = CClipItem::FromText("+2Pass %u");
                item->owner = collections.back().get();
                collections.back()->children.push_back(std::move(item));
            }
        }
        systemLists.SetString("Software\\Microsoft\\Internet Explorer\\TypedURLs", "url1",
                              "http://example.org/a/long/address/that/needs/to/be/cut/down");
        // The documents popups: a file-type popup with one document, built as at start-up.
        MenuEntry type;
        type.kind = EntryKind::FileTypePopup;
        type.popup = true;
        type.text = "txt";
        type.submenu = std::make_unique<MenuModel>();
        MenuEntry doc;
        doc.kind = EntryKind::Document;
        doc.id = ID_DOC_FIRST;
        doc.text = "C:\\notes\\plan.txt";
        type.submenu->entries.push_back(std::move(doc));
        documents.entries.push_back(std::move(type));
        sharedOpenSave.Reset(CreatePopupMenu());
        sharedRecent.Reset(CreatePopupMenu());
        ASSERT_TRUE(AppendEntries(sharedOpenSave.Get(), documents, SharedPopups()));
    }
    MenuModel Build() {
        const uint32_t all =
            OPT_EXT_TIME | OPT_EXT_URLS | OPT_EXT_DOCS_OPENSAVE | OPT_EXT_DOCS_RECENT;
        return BuildMainMenu({active, collections, all, &systemLists});
    }
    SharedPopups Shared() const { return {sharedOpenSave.Get(), sharedRecent.Get()}; }
};
} // namespace

TEST_F(MenuWin32, TheModelBecomesOwnerDrawnEntriesWithItsIdsMarksAndData) {
    const MenuModel model = Build();
    RealizedMenu menu(model, Shared());
    ASSERT_NE(menu.Get(), nullptr);
    ASSERT_EQ(GetMenuItemCount(menu.Get()), 8);
    for (int pos = 0; pos < 8; ++pos) {
        const EntryInfo e = InfoAt(menu.Get(), pos);
        const MenuEntry& m = model.entries[static_cast<size_t>(pos)];
        EXPECT_TRUE(e.type & MFT_OWNERDRAW) << pos;
        EXPECT_EQ((e.state & MFS_CHECKED) != 0, m.groupMark) << pos;
        EXPECT_EQ(e.sub != nullptr, m.popup) << pos;
        uintptr_t tag;
        const ULONG_PTR data = EntryTag(m.kind, tag) ? tag : reinterpret_cast<ULONG_PTR>(&m);
        EXPECT_EQ(e.data, data) << pos;
        if (!m.popup) {
            EXPECT_EQ(e.id, m.id) << pos;
        }
    }
    // Items 1 and 2, the collections' popups (the first marked), then the extensions.
    EXPECT_EQ(InfoAt(menu.Get(), 1).id, 2u);
    const EntryInfo letters = InfoAt(menu.Get(), 2);
    ASSERT_NE(letters.sub, nullptr);
    EXPECT_EQ(GetMenuItemID(letters.sub, 0), 1u);
    EXPECT_EQ(GetMenuItemCount(InfoAt(menu.Get(), 3).sub), 0);
    const EntryInfo time = InfoAt(menu.Get(), 4);
    EXPECT_EQ(time.data, TAG_TIME);
    EXPECT_EQ(GetMenuItemCount(time.sub), 6);
    EXPECT_EQ(GetMenuItemID(time.sub, 5), ID_TIME_FIRST + 5);
    EXPECT_EQ(GetMenuItemID(InfoAt(menu.Get(), 5).sub, 0), ID_URL_FIRST);
    // The documents popups are the ones built at start-up, not copies.
    EXPECT_EQ(InfoAt(menu.Get(), 6).sub, sharedOpenSave.Get());
    EXPECT_EQ(InfoAt(menu.Get(), 7).sub, sharedRecent.Get());
}

TEST_F(MenuWin32, TheDocumentsPopupsOutliveEveryMainMenu) {
    const MenuModel model = Build();
    HMENU time = nullptr;
    for (int round = 0; round < 2; ++round) {
        RealizedMenu menu(model, Shared());
        time = InfoAt(menu.Get(), 4).sub;
    }
    EXPECT_FALSE(IsMenu(time)) << "the time popup goes with its menu";
    ASSERT_TRUE(IsMenu(sharedOpenSave.Get()));
    ASSERT_TRUE(IsMenu(sharedRecent.Get()));
    EXPECT_EQ(GetMenuItemCount(sharedOpenSave.Get()), 1);
    EXPECT_EQ(GetMenuItemID(GetSubMenu(sharedOpenSave.Get(), 0), 0), ID_DOC_FIRST);
}

TEST_F(MenuWin32, ProbeTellsPopupsByTheirFirstEntry) {
    const MenuModel model = Build();
    RealizedMenu menu(model, Shared());
    bool checked = false;
    EXPECT_EQ(ProbeMenuEntry(menu.Get(), 1, nullptr, checked), -1); // an item
    EXPECT_FALSE(checked);
    const auto idOf = [&](int pos) {
        return static_cast<UINT>(reinterpret_cast<UINT_PTR>(InfoAt(menu.Get(), pos).sub));
    };
    EXPECT_EQ(ProbeMenuEntry(menu.Get(), idOf(2), nullptr, checked), 1);
    EXPECT_TRUE(checked);
    EXPECT_EQ(ProbeMenuEntry(menu.Get(), idOf(3), nullptr, checked), ID_EMPTY_SUBMENU);
    EXPECT_FALSE(checked);
    EXPECT_EQ(ProbeMenuEntry(menu.Get(), idOf(4), nullptr, checked),
              static_cast<int>(ID_TIME_FIRST));
    EXPECT_TRUE(checked);
    EXPECT_EQ(ProbeMenuEntry(nullptr, 1, nullptr, checked), -1);
}

TEST_F(MenuWin32, EveryKindOfEntryMeasuresDrawsAndReports) {
    const MenuModel model = Build();
    RealizedMenu menu(model, Shared());
    service.m_nCounter[1] = 7;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen, 400, 30));
    ReleaseDC(nullptr, screen);
    SelectedObject keep(dc, bitmap.Get());

    // Every entry of the menu and of its submenus, each drawn plain and highlighted.
    std::vector<std::pair<HMENU, int>> entries;
    std::set<HMENU> seen;
    std::vector<HMENU> todo{menu.Get()};
    while (!todo.empty()) {
        HMENU m = todo.back();
        todo.pop_back();
        if (!seen.insert(m).second)
            continue;
        for (int pos = 0; pos < GetMenuItemCount(m); ++pos) {
            entries.emplace_back(m, pos);
            if (HMENU sub = GetSubMenu(m, pos))
                todo.push_back(sub);
        }
    }
    ASSERT_EQ(entries.size(), 8u + 1u + 6u + 1u + 2u); // + Letters' item, time, URL, docs

    std::set<int32_t> reported;
    bool sawAddress = false;
    for (const auto& [m, pos] : entries) {
        const EntryInfo e = InfoAt(m, pos);
        const UINT id = e.sub ? static_cast<UINT>(reinterpret_cast<UINT_PTR>(e.sub)) : e.id;
        MEASUREITEMSTRUCT mis = {};
        mis.CtlType = ODT_MENU;
        mis.itemID = id;
        mis.itemData = e.data;
        int32_t row = 0;
        MeasureMenuEntry(dc, mis, nullptr, clock.LocalNow(), false, row);
        EXPECT_GE(mis.itemHeight, 18u) << pos;
        EXPECT_GT(mis.itemWidth, 26u) << pos;
        EXPECT_EQ(row, static_cast<int32_t>(mis.itemHeight) - 1);

        for (bool highlighted : {false, true}) {
            DRAWITEMSTRUCT dis = {};
            dis.CtlType = ODT_MENU;
            dis.itemID = id;
            dis.itemAction = ODA_SELECT;
            dis.itemState = highlighted ? ODS_SELECTED : 0;
            dis.hwndItem = reinterpret_cast<HWND>(m);
            dis.hDC = dc;
            dis.rcItem = {0, 0, 300, static_cast<LONG>(mis.itemHeight)};
            dis.itemData = e.data;
            DrawMenuEntry(dis, service, service.m_nSelEntryId, service.m_pSelItem);
            const COLORREF back = GetSysColor(highlighted ? COLOR_ACTIVECAPTION : COLOR_MENU);
            EXPECT_EQ(GetPixel(dc, 299, 2), back) << pos << " filled";
        }
        reported.insert(service.m_nSelEntryId);
        if (e.id == ID_URL_FIRST) {
            EXPECT_EQ(service.m_strSelPath,
                      "http://example.org/a/long/address/that/needs/to/be/cut/down");
            EXPECT_EQ(service.m_pSelItem, nullptr);
            sawAddress = true;
        }
        if (e.id == 1 && m != menu.Get()) { // the counter item of Letters
            EXPECT_EQ(service.m_pSelItem, collections[0]->children[0].get());
        }
    }
    EXPECT_TRUE(sawAddress);
    for (int32_t status :
         {1, 2, int32_t(ID_STATUS_COLLECTION), int32_t(ID_STATUS_TIME), int32_t(ID_STATUS_URLS),
          int32_t(ID_STATUS_DOCS_OPENSAVE), int32_t(ID_STATUS_DOCS_RECENT), int32_t(ID_TIME_FIRST),
          int32_t(ID_DOC_FIRST)})
        EXPECT_TRUE(reported.count(status)) << status;
    DeleteDC(dc);
}

TEST(ContextMenus, EveryPopupIsPreparedForTracking) {
    for (int index = 0; index <= 5; ++index) {
        ContextMenu menu(index, false, false);
        ASSERT_NE(menu.Popup(), nullptr) << index;
        bool prefs = false;
        for (int pos = 0; pos < GetMenuItemCount(menu.Popup()); ++pos) {
            const EntryInfo e = InfoAt(menu.Popup(), pos);
            if (e.type & MFT_SEPARATOR)
                continue;
            EXPECT_TRUE(e.type & MFT_OWNERDRAW) << index << "/" << pos;
            EXPECT_NE(e.data, 0u) << index << "/" << pos;
            if (e.id == ID_PREFERENCES) {
                prefs = true;
                ASSERT_NE(e.sub, nullptr);
                EXPECT_EQ(e.data, TAG_PREFERENCES);
                EXPECT_EQ(GetMenuItemCount(e.sub), 12); // ten submenus, separator, About
            }
        }
        EXPECT_TRUE(prefs) << "popup " << index << " has Preferences";
        // Not paused: "Continue service" is left out, "Pause service" kept.
        EXPECT_EQ(GetMenuState(menu.Popup(), ID_CONTINUE_SERVICE, MF_BYCOMMAND), UINT(-1));
        EXPECT_NE(GetMenuState(menu.Popup(), ID_PAUSE_SERVICE, MF_BYCOMMAND), UINT(-1));
    }
    ContextMenu paused(CONTEXT_ITEM, true, true);
    EXPECT_EQ(GetMenuState(paused.Popup(), ID_PAUSE_SERVICE, MF_BYCOMMAND), UINT(-1));
    EXPECT_EQ(GetMenuState(paused.Popup(), ID_SCHEDULER_START, MF_BYCOMMAND), UINT(-1));
    EXPECT_NE(GetMenuState(paused.Popup(), ID_SCHEDULER_STOP, MF_BYCOMMAND), UINT(-1));
    EXPECT_EQ(ContextMenu(6, false, false).Popup(), nullptr);
}

TEST(ContextMenus, EveryCommandHasItsHelpTextAndItsPopupsTheirPictures) {
    UniqueMenu all(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)));
    ASSERT_TRUE(all);
    std::vector<HMENU> todo{all.Get()};
    int commands = 0;
    while (!todo.empty()) {
        HMENU m = todo.back();
        todo.pop_back();
        for (int pos = 0; pos < GetMenuItemCount(m); ++pos) {
            if (HMENU sub = GetSubMenu(m, pos)) {
                todo.push_back(sub);
                continue;
            }
            const UINT id = GetMenuItemID(m, pos);
            if (id == 0)
                continue; // separator
            ++commands;
            EXPECT_GE(id, 32773u);
            EXPECT_LE(id, 32899u);
            EXPECT_FALSE(LoadUiString(id).empty()) << "no help text for " << id;
            if (id >= ID_PASTE_ALL && id <= ID_CLOSE) {
                EXPECT_NE(LoadMenuIcon(id - 30000), nullptr) << id;
            }
        }
    }
    EXPECT_GT(commands, 100);
    for (unsigned picture : {150u, 151u, 152u, 178u, 179u, 180u, 183u, 184u, 187u})
        EXPECT_NE(LoadMenuIcon(picture), nullptr) << picture;
    for (unsigned picture = 154; picture <= 177; ++picture)
        EXPECT_NE(LoadMenuIcon(picture), nullptr) << picture;
}
