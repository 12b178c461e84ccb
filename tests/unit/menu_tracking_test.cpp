// Opening the main menu and its context menus through a fake menu host, the dispatcher's
// routing, and drags that rearrange items.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fakes/service_fixture.h"
#include "resource.h"
#include "store/program_files.h"
#include "ui/menu_ids.h"
#include "ui/menu_rules.h"

namespace {

class MenuTracking : public ServiceFixture {
protected:
    void SetUp() override {
        ServiceFixture::SetUp();
        SetProgramPath("/nonexistent/quillbox/quillbox.exe");
        ASSERT_TRUE(service.Create(kFrame));
        service.m_dwOptions &= ~(OPT_EXT_TIME | OPT_EXT_URLS | OPT_EXT_DOCS_OPENSAVE |
                                 OPT_EXT_DOCS_RECENT | OPT_SCHEDULER_ON);
        service.m_hWndTarget = WindowHandle{0x900};
        targets.windows.insert(WindowHandle{0x900});
    }
    void TearDown() override {
        SetProgramPath("");
        ServiceFixture::TearDown();
    }

    CClipItem* AddCollection(const std::string& name, const std::vector<std::string>& texts) {
        auto c = CClipItem::NewCollection(name);
        for (const auto& t : texts) {
            auto item = CClipItem::FromText(t);
            item->owner = c.get();
            c->children.push_back(std::move(item));
        }
        service.m_collectionList.push_back(std::move(c));
        return service.m_collectionList.back().get();
    }
    // What the drawing reports when the user rests on an entry.
    void Highlight(int32_t id, CClipItem* item, const std::string& path = std::string()) {
        service.m_nSelEntryId = id;
        service.m_pSelItem = item;
        service.m_strSelPath = path;
    }
};
} // namespace

TEST_F(MenuTracking, TheChosenEntryIsPostedAfterTheMenuClosed) {
    CClipItem* second = nullptr;
    AddActive("one");
    second = AddActive("two");
    bool mainMenuWhileShown = false;
    menus.onMainMenu = [&](CMainMenu& menu) {
        mainMenuWhileShown = service.m_pMainMenu == &menu && menu.m_hMenu != NO_MENU;
        Highlight(2, second);
        return 2u;
    };
    service.OnCommand(0, ID_OPEN_MAIN_MENU);
    ASSERT_EQ(menus.shown.size(), 1u);
    EXPECT_EQ(menus.shown[0].entries, 2u);
    EXPECT_EQ(menus.shown[0].x, 300);
    EXPECT_EQ(menus.shown[0].y, 300);
    EXPECT_TRUE(mainMenuWhileShown);
    EXPECT_EQ(service.m_pMainMenu, nullptr);
    // The frame came to the front, the focus with the paste target's input, shared while
    // the menu was open.
    EXPECT_EQ(log.Count("front 0x500"), 1);
    EXPECT_EQ(log.Count("share 0x900"), 1);
    EXPECT_EQ(log.Count("focus 0x1001"), 1);
    EXPECT_EQ(targets.sharedWith, NO_WINDOW);
    // Cuts held while the menu was open may come in only once the entry was dispatched.
    EXPECT_EQ(window.posted, (Posted{{2, 0}, {0, ID_RELEASE_CUTS}}));
    EXPECT_EQ(service.m_pSelItem, second);
}

TEST_F(MenuTracking, NothingChosenDispatchesNothingAndAnOpenMenuIsNotOpenedTwice) {
    AddActive("one");
    menus.onMainMenu = [&](CMainMenu&) {
        service.OnCommand(0, ID_OPEN_MAIN_MENU); // a hot key while the menu is open
        return 0u;
    };
    service.OpenMainMenu();
    EXPECT_EQ(menus.shown.size(), 1u);
    EXPECT_EQ(window.posted, (Posted{{0, ID_RELEASE_CUTS}}));
}

TEST_F(MenuTracking, AnEmptyMainMenuOpensTheApplicationMenu) {
    Highlight(-1, nullptr);
    service.OpenMainMenu();
    EXPECT_TRUE(menus.shown.empty());
    ASSERT_EQ(menus.contexts.size(), 1u);
    EXPECT_EQ(menus.contexts[0].index, CONTEXT_APP);
    EXPECT_EQ(service.m_bAppMenu, 1);
    // Reopening after a dialog does nothing for the application menu.
    window.posted.clear();
    service.ReopenMainMenu();
    EXPECT_TRUE(window.posted.empty());
}

TEST_F(MenuTracking, MouseAtTopOpensLowerAndReopeningReturnsThere) {
    AddActive("one");
    input.cursor = {500, 0};
    service.OpenMainMenu();
    ASSERT_EQ(menus.shown.size(), 1u);
    EXPECT_EQ(menus.shown[0].x, 400);
    EXPECT_EQ(menus.shown[0].y, 100);

    // After a dialog the menu comes back where it was, not at the pointer.
    service.m_bAppMenu = 0;
    service.ReopenMainMenu();
    EXPECT_EQ(window.posted.back(), (std::pair<uintptr_t, intptr_t>{0, ID_OPEN_MAIN_MENU}));
    input.cursor = {700, 700};
    service.OnCommand(0, ID_OPEN_MAIN_MENU);
    EXPECT_EQ(menus.shown.back().x, 400);
    EXPECT_EQ(menus.shown.back().y, 100);
    // And the next opening follows the pointer again.
    service.OpenMainMenu();
    EXPECT_EQ(menus.shown.back().x, 700);
}

TEST_F(MenuTracking, ContextMenuPopupsFollowTheHighlightedEntry) {
    CClipItem* item = AddActive("one");
    const struct {
        int32_t id;
        CClipItem* item;
        int popup;
    } cases[] = {
        {-1, nullptr, CONTEXT_APP},
        {1, item, CONTEXT_ITEM},
        {ID_DOC_FIRST + 7, nullptr, CONTEXT_DOCUMENT},
    };
    for (const auto& c : cases) {
        Highlight(c.id, c.item);
        service.OpenContextMenu();
        ASSERT_FALSE(menus.contexts.empty());
        EXPECT_EQ(menus.contexts.back().index, c.popup) << c.id;
        EXPECT_EQ(service.m_bAppMenu, c.popup == CONTEXT_APP ? 1 : 0);
    }
    const size_t shownBefore = menus.contexts.size();
    Highlight(0, nullptr); // an id that is no entry
    service.OpenContextMenu();
    EXPECT_EQ(menus.contexts.size(), shownBefore);

    // Pause and scheduler state decide which of their entries the popup keeps.
    service.m_dwState |= ST_PAUSED;
    service.m_dwOptions |= OPT_SCHEDULER_ON;
    Highlight(1, item);
    service.OpenContextMenu();
    EXPECT_TRUE(menus.contexts.back().paused);
    EXPECT_TRUE(menus.contexts.back().schedulerOn);
}

TEST_F(MenuTracking, AContextCommandClosesTheMainMenuAndActsOnTheRememberedEntry) {
    CClipItem* first = AddActive("one");
    CClipItem* second = AddActive("two");
    Highlight(2, second, "old path");
    bool trackedWhileShown = false;
    menus.onContextMenu = [&](int) {
        trackedWhileShown = service.m_hTrackedMenu == MenuHandle{0xCC};
        Highlight(1, first, "moved meanwhile"); // drawing of the context menu's entries
        return unsigned(ID_PASTE_UPPER);
    };
    service.OnCommand(0, ID_OPEN_CONTEXT_MENU);
    EXPECT_TRUE(trackedWhileShown);
    EXPECT_EQ(service.m_hTrackedMenu, NO_MENU);
    EXPECT_EQ(menus.cancels, 1);
    EXPECT_EQ(window.posted, (Posted{{2, ID_PASTE_UPPER}, {0, ID_RELEASE_CUTS}}));
    EXPECT_EQ(service.m_pSelItem, second);
    EXPECT_EQ(service.m_strSelPath, "old path");
    EXPECT_EQ(service.m_nPendingCmd, 0);

    // Leaving the context menu without a command leaves the main menu open.
    menus.onContextMenu = [](int) { return 0u; };
    service.OnCommand(0, ID_OPEN_CONTEXT_MENU);
    EXPECT_EQ(menus.cancels, 1);
    EXPECT_EQ(window.posted.size(), 3u);
    EXPECT_EQ(window.posted.back(), (std::pair<uintptr_t, intptr_t>{0, ID_RELEASE_CUTS}));
    // A right click inside a context menu closes it before the next one opens.
    service.m_hTrackedMenu = MenuHandle{0xCC};
    service.OnCommand(0, ID_OPEN_CONTEXT_MENU);
    EXPECT_EQ(menus.cancels, 2);
}

TEST_F(MenuTracking, CloseFromTheContextMenuEndsEverythingAfterTracking) {
    AddActive("one");
    menus.onMainMenu = [&](CMainMenu&) {
        Highlight(1, service.m_activeList[0].get());
        menus.onContextMenu = [](int) { return unsigned(ID_CLOSE); };
        service.OnCommand(0, ID_OPEN_CONTEXT_MENU);
        return 1u; // the main menu's loop still returns an id
    };
    service.OpenMainMenu();
    EXPECT_EQ(service.GetSafeHwnd(), NO_WINDOW);
    EXPECT_TRUE(window.posted.empty()); // nothing is dispatched into a closed program
    EXPECT_NE(std::find(log.calls.begin(), log.calls.end(), "destroy frame"), log.calls.end());
}

TEST_F(MenuTracking, WhileAnEntryIsDraggedNoCommandRuns) {
    AddActive("one");
    service.m_pDragItem = service.m_activeList[0].get();
    service.OnCommand(0, ID_OPEN_MAIN_MENU);
    service.OnCommand(0, ID_SAVE_AND_RELOAD);
    EXPECT_TRUE(menus.shown.empty());
    EXPECT_EQ(std::count(log.calls.begin(), log.calls.end(), "save and reload"), 0);
}

TEST_F(MenuTracking, SaveAndReloadForgetsPointersIntoTheOldListsAndShowsBusy) {
    service.m_dwOptions &= ~OPT_NO_TRAY_ICON;
    Highlight(1, AddActive("one"));
    tray.calls.clear();
    service.OnCommand(0, ID_SAVE_AND_RELOAD);
    EXPECT_EQ(menus.cancels, 1);
    EXPECT_EQ(service.m_pSelItem, nullptr);
    EXPECT_EQ(log.calls.back(), "save and reload");
    ASSERT_EQ(tray.calls.size(), 2u);
    EXPECT_EQ(tray.calls[0].data.iconId, unsigned(IDI_BUSY));
    EXPECT_EQ(tray.calls[1].data.iconId, unsigned(IDI_NORMAL));
}

TEST_F(MenuTracking, TypedLettersQueueTheirCommand) {
    Highlight(3, nullptr);
    EXPECT_EQ(service.OnMenuChar('h', 5), (intptr_t(2) << 16) | 2);
    EXPECT_EQ(service.m_nQueuedCmd, ID_PASTE_HTML);
    service.m_nQueuedCmd = 0;
    EXPECT_EQ(service.OnMenuChar('?', 5), 0);
    EXPECT_EQ(service.m_nQueuedCmd, 0);
}

TEST_F(MenuTracking, DropsOnTheMenuMoveOrCopyItems) {
    CClipItem* one = AddActive("one");
    CClipItem* two = AddActive("two");
    CClipItem* three = AddActive("three");
    CClipItem* letters = AddCollection("Letters", {"a"});
    MenuDrop onMenu;
    onMenu.dropped = true;
    onMenu.overMenu = true;

    // Moved down within the active collection: it lands after the target.
    Highlight(3, three);
    EXPECT_TRUE(service.FinishMenuDrag(one, onMenu));
    ASSERT_EQ(service.m_activeList.size(), 3u);
    EXPECT_EQ(service.m_activeList[0].get(), two);
    EXPECT_EQ(service.m_activeList[2].get(), one);
    EXPECT_EQ(window.posted.back(), (std::pair<uintptr_t, intptr_t>{0, ID_SAVE_AND_RELOAD}));

    // Copied (Ctrl) onto a collection's entry: the collection gets a copy at its head.
    onMenu.ctrlDown = true;
    Highlight(ID_STATUS_COLLECTION, nullptr, "Letters");
    EXPECT_TRUE(service.FinishMenuDrag(two, onMenu));
    EXPECT_EQ(service.m_activeList.size(), 3u);
    ASSERT_EQ(letters->children.size(), 2u);
    EXPECT_EQ(letters->children[0]->text, "two");
    EXPECT_EQ(letters->children[0]->owner, letters);
    EXPECT_TRUE(letters->flags & CLIP_MODIFIED);
}

TEST_F(MenuTracking, DragsThatEndElsewhereLeaveTheCollectionsAlone) {
    CClipItem* one = AddActive("one");
    CClipItem* two = AddActive("two");
    Highlight(2, two);
    MenuDrop cancelled;
    cancelled.overMenu = true;
    EXPECT_FALSE(service.FinishMenuDrag(one, cancelled));
    MenuDrop elsewhere;
    elsewhere.dropped = true; // taken by another program
    EXPECT_FALSE(service.FinishMenuDrag(one, elsewhere));
    MenuDrop onItself;
    onItself.dropped = onItself.overMenu = true;
    Highlight(1, one);
    EXPECT_FALSE(service.FinishMenuDrag(one, onItself));
    Highlight(-1, nullptr);
    EXPECT_FALSE(service.FinishMenuDrag(one, onItself));
    EXPECT_EQ(service.m_activeList[0].get(), one);
    EXPECT_TRUE(window.posted.empty());
}

TEST_F(MenuTracking, RenameAsksAboutTheHighlightedItemAndForeignBitsMakeNoCommand) {
    Highlight(1, AddActive("one"));
    service.OnCommand(1, ID_RENAME);
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].initialText, "one") << "the item's name, not a collection's";
    service.OnCommand(0, (intptr_t(1) << 32) | ID_COLLECTION_NEW); // bits beyond the id
    EXPECT_EQ(prompts.asked.size(), 1u);
}
