// The main menu and its context menus as a unit over fakes: where the menu opens, what a
// chosen entry or a context command becomes, typed letters, and drags that rearrange items.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/menu_tracking.h"
#include "app/paste_target.h"
#include "fakes/fake_collection_store.h"
#include "fakes/fake_focus.h"
#include "fakes/fake_hot_window.h"
#include "fakes/fake_menu_host.h"
#include "fakes/fake_registry_lists.h"
#include "fakes/fake_service_window.h"
#include "fakes/fake_system.h"
#include "fakes/fake_target_window.h"
#include "resource.h"
#include "store/program_files.h"
#include "ui/main_menu.h"
#include "ui/menu_ids.h"
#include "ui/menu_rules.h"

namespace {
using Log = std::vector<std::string>;
using Posted = std::vector<std::pair<uintptr_t, intptr_t>>;

// The rest of the service as the menus see it. Capture posts the release of held cuts.
class RestOfService final : public ICutHold, public IBusyIndicator, public IServiceCommands {
public:
    RestOfService(CallLog& log, IServiceWindow& window) : m_log(log), m_window(window) {}
    void HoldCuts() override { m_log.Add("hold"); }
    void ReleaseCutsLater() override { m_window.PostCommand(0, ID_RELEASE_CUTS); }
    void AdmitHeldCuts() override { m_log.Add("admit"); }
    void SetBusy(bool busy) override { m_log.Add(busy ? "busy" : "idle"); }
    bool OnServiceCommand(unsigned id) override { return id == ID_PAUSE_SERVICE; }
    void SaveAndReload() override {}
    void Close() override {}

private:
    CallLog& m_log;
    IServiceWindow& m_window;
};

class MenuTracking : public ::testing::Test {
protected:
    CallLog log;
    FakeMenuHost menus;
    FakeInputState input;
    FakeServiceWindow window{log};
    FakeRegistryLists systemLists;
    FakeCollectionStore store{log};
    FakeHotWindows hotWindows;
    FakeFocus focus;
    FakeTargetWindow targets{log};
    ServiceState state{1024, 0};
    HotWindowKeeper hotWnd{hotWindows, state};
    PasteTarget target{{focus, targets}, state, hotWnd};
    RestOfService rest{log, window};
    CMenuTracking tracking{
        {menus, input, window, systemLists, store}, state, rest, target, hotWnd, rest, rest};

    void SetUp() override {
        SetProgramPath("/nonexistent/quillbox/quillbox.exe"); // no temporary files to delete
        state.m_hWnd = WindowHandle{0x1001};
        state.m_hWndParent = WindowHandle{0x500};
        state.m_dwOptions &= ~(OPT_EXT_TIME | OPT_EXT_URLS | OPT_EXT_DOCS_OPENSAVE |
                               OPT_EXT_DOCS_RECENT | OPT_SCHEDULER_ON);
        state.m_hWndTarget = WindowHandle{0x900};
        targets.windows.insert(WindowHandle{0x900});
    }
    void TearDown() override { SetProgramPath(""); }

    CClipItem* AddActive(const std::string& text) {
        state.m_activeList.push_back(CClipItem::FromText(text));
        return state.m_activeList.back().get();
    }
    // What the drawing reports when the user rests on an entry.
    void Highlight(int32_t id, CClipItem* item, const std::string& path = std::string()) {
        state.m_nSelEntryId = id;
        state.m_pSelItem = item;
        state.m_strSelPath = path;
    }
    // The main menus shown, as "entries@x,y".
    std::vector<std::string> Shown() const {
        std::vector<std::string> out;
        for (const auto& s : menus.shown)
            out.push_back(std::to_string(s.entries) + "@" + std::to_string(s.x) + "," +
                          std::to_string(s.y));
        return out;
    }
};
} // namespace

TEST_F(MenuTracking, TheChosenEntryIsPostedAfterTheMenuClosed) {
    AddActive("one");
    CClipItem* second = AddActive("two");
    bool openWhileShown = false;
    menus.onMainMenu = [&](CMainMenu& menu) {
        openWhileShown = state.m_pMainMenu == &menu && menu.m_hMenu != NO_MENU;
        Highlight(2, second);
        return 2u;
    };
    tracking.OpenMainMenu();
    EXPECT_EQ(Shown(), Log{"2@300,300"});
    EXPECT_TRUE(openWhileShown);
    EXPECT_EQ(state.m_pMainMenu, nullptr);
    // Cuts are held; the frame came to the front, the focus with the paste target's input,
    // shared while the menu was open.
    EXPECT_EQ(log.calls, (Log{"hold", "front 0x500", "share 0x900", "focus 0x1001", "share 0x0"}));
    // Cuts held while the menu was open may come in only once the entry was dispatched.
    EXPECT_EQ(window.posted, (Posted{{2, 0}, {0, ID_RELEASE_CUTS}}));
    EXPECT_EQ(state.m_pSelItem, second);
}

TEST_F(MenuTracking, NothingChosenDispatchesNothingAndAnOpenMenuIsNotOpenedTwice) {
    AddActive("one");
    menus.onMainMenu = [&](CMainMenu&) {
        tracking.OpenMainMenu(); // a hot key while the menu is open
        return 0u;
    };
    tracking.OpenMainMenu();
    EXPECT_EQ(menus.shown.size(), 1u);
    EXPECT_EQ(window.posted, (Posted{{0, ID_RELEASE_CUTS}}));
}

TEST_F(MenuTracking, AnEmptyMainMenuOpensTheApplicationMenu) {
    tracking.OpenMainMenu();
    EXPECT_TRUE(menus.shown.empty());
    ASSERT_EQ(menus.contexts.size(), 1u);
    EXPECT_EQ(menus.contexts[0].index, CONTEXT_APP);
    EXPECT_EQ(state.m_bAppMenu, 1);
    // Reopening after a dialog does nothing for the application menu.
    window.posted.clear();
    tracking.ReopenMainMenu();
    EXPECT_TRUE(window.posted.empty());
}

TEST_F(MenuTracking, MouseAtTopOpensLowerAndReopeningReturnsThere) {
    AddActive("one");
    input.cursor = {500, 0};
    tracking.OpenMainMenu();
    // After a dialog the menu comes back where it was, not at the pointer.
    state.m_bAppMenu = 0;
    tracking.ReopenMainMenu();
    EXPECT_EQ(window.posted.back(), (std::pair<uintptr_t, intptr_t>{0, ID_OPEN_MAIN_MENU}));
    input.cursor = {700, 700};
    tracking.OpenMainMenu();
    // And the next opening follows the pointer again.
    tracking.OpenMainMenu();
    EXPECT_EQ(Shown(), (Log{"1@400,100", "1@400,100", "1@700,700"}));
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
        tracking.OpenContextMenu();
        ASSERT_FALSE(menus.contexts.empty());
        EXPECT_EQ(menus.contexts.back().index, c.popup) << c.id;
        EXPECT_EQ(state.m_bAppMenu, c.popup == CONTEXT_APP ? 1 : 0);
    }
    const size_t shownBefore = menus.contexts.size();
    Highlight(0, nullptr); // an id that is no entry
    tracking.OpenContextMenu();
    EXPECT_EQ(menus.contexts.size(), shownBefore);

    // Pause and scheduler state decide which of their entries the popup keeps.
    state.m_dwState |= ST_PAUSED;
    state.m_dwOptions |= OPT_SCHEDULER_ON;
    Highlight(1, item);
    tracking.OpenContextMenu();
    EXPECT_TRUE(menus.contexts.back().paused && menus.contexts.back().schedulerOn);
}

TEST_F(MenuTracking, AContextCommandClosesTheMainMenuAndActsOnTheRememberedEntry) {
    CClipItem* first = AddActive("one");
    CClipItem* second = AddActive("two");
    Highlight(2, second, "old path");
    bool trackedWhileShown = false;
    menus.onContextMenu = [&](int) {
        trackedWhileShown = state.m_hTrackedMenu == MenuHandle{0xCC};
        Highlight(1, first, "moved meanwhile"); // drawing of the context menu's entries
        return unsigned(ID_PASTE_UPPER);
    };
    tracking.OpenContextMenu();
    EXPECT_TRUE(trackedWhileShown);
    EXPECT_EQ(state.m_hTrackedMenu, NO_MENU);
    EXPECT_EQ(menus.cancels, 1);
    EXPECT_EQ(window.posted, (Posted{{2, ID_PASTE_UPPER}, {0, ID_RELEASE_CUTS}}));
    EXPECT_EQ(std::tie(state.m_pSelItem, state.m_strSelPath, state.m_nPendingCmd),
              std::make_tuple(second, std::string("old path"), 0));

    // The service's own commands run at once, a style once the menus have closed; leaving
    // without a command leaves the main menu open.
    window.posted.clear();
    for (unsigned command : {unsigned(ID_PAUSE_SERVICE), unsigned(ID_HOT_STYLE_FIRST), 0u}) {
        menus.onContextMenu = [command](int) { return command; };
        tracking.OpenContextMenu();
        EXPECT_EQ(state.m_nPendingCmd, 0);
    }
    EXPECT_EQ(menus.cancels, 3);
    EXPECT_EQ(window.posted, (Posted{{0, ID_RELEASE_CUTS},
                                     {0, ID_HOT_STYLE_FIRST}, // once the menus have closed
                                     {0, ID_RELEASE_CUTS},
                                     {0, ID_RELEASE_CUTS}}));
    // A right click inside a context menu closes it before the next one opens.
    state.m_hTrackedMenu = MenuHandle{0xCC};
    tracking.OpenContextMenu();
    EXPECT_EQ(menus.cancels, 4);
}

TEST_F(MenuTracking, SaveAndReloadForgetsPointersIntoTheOldListsAndShowsBusy) {
    Highlight(1, AddActive("one"));
    tracking.SaveAndReload();
    EXPECT_EQ(menus.cancels, 1);
    EXPECT_EQ(state.m_pSelItem, nullptr);
    EXPECT_EQ(log.calls, (Log{"busy", "admit", "save and reload", "idle"}));
}

// Only a tracked context menu reports the entry under the pointer; the tip reads it all.
TEST_F(MenuTracking, TheHighlightOfAContextMenuIsItsLastSelection) {
    CClipItem* item = AddActive("one");
    Highlight(1, item);
    tracking.OnMenuSelect(7, MenuHandle{0xCC});
    EXPECT_EQ(state.m_nSelId, -1) << "the main menu reports through its drawing";
    state.m_hTrackedMenu = MenuHandle{0xCC};
    tracking.OnMenuSelect(7, MenuHandle{0xCD});
    const MenuHighlight h = tracking.Highlight();
    EXPECT_EQ(std::make_tuple(h.contextMenu, h.selId, h.entryId, h.item, state.m_hSelMenu),
              std::make_tuple(true, 7, 1, item, MenuHandle{0xCD}));
}

TEST_F(MenuTracking, TypedLettersQueueTheirCommand) {
    Highlight(3, nullptr);
    EXPECT_EQ(tracking.OnMenuChar('?', 5), 0);
    EXPECT_EQ(state.m_nQueuedCmd, 0);
    EXPECT_EQ(tracking.OnMenuChar('h', 5), (intptr_t(2) << 16) | 2);
    EXPECT_EQ(state.m_nQueuedCmd, ID_PASTE_HTML);
}

TEST_F(MenuTracking, DropsOnTheMenuMoveOrCopyItems) {
    CClipItem* one = AddActive("one");
    CClipItem* two = AddActive("two");
    CClipItem* three = AddActive("three");
    state.m_collectionList.push_back(CClipItem::NewCollection("Letters"));
    CClipItem* letters = state.m_collectionList.back().get();
    letters->children.push_back(CClipItem::FromText("a"));
    letters->children[0]->owner = letters;
    MenuDrop onMenu;
    onMenu.dropped = onMenu.overMenu = true;

    // Moved down within the active collection: it lands after the target.
    Highlight(3, three);
    EXPECT_TRUE(tracking.FinishMenuDrag(one, onMenu));
    ASSERT_EQ(state.m_activeList.size(), 3u);
    EXPECT_EQ(state.m_activeList[0].get(), two);
    EXPECT_EQ(state.m_activeList[2].get(), one);
    EXPECT_EQ(state.m_pSelItem, nullptr) << "the highlighted item may have moved";
    EXPECT_EQ(window.posted, (Posted{{0, ID_SAVE_AND_RELOAD}}));

    // Copied (Ctrl) onto a collection's entry: the collection gets a copy at its head.
    onMenu.ctrlDown = true;
    Highlight(ID_STATUS_COLLECTION, nullptr, "Letters");
    EXPECT_TRUE(tracking.FinishMenuDrag(two, onMenu));
    EXPECT_EQ(state.m_activeList.size(), 3u);
    ASSERT_EQ(letters->children.size(), 2u);
    EXPECT_EQ(letters->children[0]->text, "two");
    EXPECT_EQ(letters->children[0]->owner, letters);
    EXPECT_TRUE(letters->flags & CLIP_MODIFIED);
}

TEST_F(MenuTracking, DragsThatEndElsewhereLeaveTheCollectionsAlone) {
    CClipItem* one = AddActive("one");
    CClipItem* two = AddActive("two");
    const struct {
        bool dropped, overMenu;
        int32_t id;
        CClipItem* on;
    } cases[] = {
        {false, true, 2, two}, // cancelled
        {true, false, 2, two}, // taken by another program
        {true, true, 1, one},  // on itself
        {true, true, -1, nullptr},
    };
    for (const auto& c : cases) {
        MenuDrop drop;
        drop.dropped = c.dropped;
        drop.overMenu = c.overMenu;
        Highlight(c.id, c.on);
        EXPECT_FALSE(tracking.FinishMenuDrag(one, drop)) << c.dropped << c.overMenu << c.id;
    }
    EXPECT_EQ(state.m_activeList[0].get(), one);
    EXPECT_TRUE(window.posted.empty());
}
