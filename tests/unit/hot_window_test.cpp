// The hot window and the Camera as the service uses them, through fakes: made in the chosen
// style, told busy and paused, hidden behind the main menu, never a paste target, clicks
// and drops, and the Camera's command.
#include <gtest/gtest.h>

#include "fakes/fake_data_offer.h"
#include "fakes/service_fixture.h"
#include "platform/win_constants.h"
#include "resource.h"

namespace {
using Log = std::vector<std::string>;

class HotWindowTest : public ServiceFixture {
protected:
    bool StartWithStyle(uint8_t style) {
        store.onLoadActive = [style](ServiceState& s) { s.m_nHotStyle = style; };
        return service.Create(kFrame);
    }
};

TEST_F(HotWindowTest, TheStyleOfTheFileShowsBusyAndPauseUntilItGoesAtTheEnd) {
    ASSERT_TRUE(StartWithStyle(0x13));
    service.SetBusy(false); // the frame's end of start-up
    service.OnServiceCommand(ID_PAUSE_SERVICE);
    service.SetBusy(true);
    service.SetBusy(false); // the pause again
    service.OnServiceCommand(ID_CONTINUE_SERVICE);
    service.OnDestroy();
    EXPECT_EQ(hotWindows.log, (Log{"create 19 1", "indicator 0", "indicator 2", "indicator 1",
                                   "indicator 2", "indicator 0", "destroy"}));
}

TEST_F(HotWindowTest, ChoosingAStyleReplacesTheWindowAndNoneClearsTheHoverBit) {
    struct Case {
        uint8_t before;
        bool shown;
        uint8_t chosen;
        uint8_t after;
        bool exists;
    };
    const Case cases[] = {
        {0x15, true, 3, 0x13, true},  {0x05, true, 7, 0x07, true}, {0x15, true, 0, 0x00, false},
        {0x10, true, 0, 0x10, false}, // style 0 makes no window: nothing to take away
        {0x00, false, 6, 0x06, true},
    };
    for (const Case& c : cases) {
        FakeHotWindows windows;
        CPreferences prefs;
        prefs.m_nHotStyle = c.before;
        HotWindowKeeper keeper(windows, prefs);
        if (c.shown)
            keeper.Create(false, false);
        keeper.ChooseStyle(c.chosen, true);
        EXPECT_EQ(prefs.m_nHotStyle, c.after) << int(c.before) << " -> " << int(c.chosen);
        EXPECT_EQ(keeper.Exists(), c.exists) << int(c.before) << " -> " << int(c.chosen);
        if (c.exists) {
            EXPECT_EQ(windows.log.back(), "create " + std::to_string(c.after) + " 2")
                << "a new window shows the pause";
        }
    }
}

TEST_F(HotWindowTest, HiddenWhileTheMainMenuIsShown) {
    ASSERT_TRUE(StartWithStyle(5));
    service.m_activeList.push_back(CClipItem::FromText("one"));
    hotWindows.log.clear();
    menus.onMainMenu = [&](CMainMenu&) {
        EXPECT_EQ(hotWindows.log, (Log{"show 0"}));
        return 0u;
    };
    service.OpenMainMenu();
    EXPECT_EQ(hotWindows.log, (Log{"show 0", "show 1"}));
}

TEST_F(HotWindowTest, ClicksOpenTheMenusTheOptionNamesAndRestingOpensTheMainMenu) {
    struct Case {
        uint32_t options;
        HotClick click;
        intptr_t command;
    };
    const intptr_t MAIN = ID_OPEN_MAIN_MENU, APP = ID_OPEN_CONTEXT_MENU;
    const Case cases[] = {
        {0, HotClick::Left, APP},
        {0, HotClick::Right, MAIN},
        {0, HotClick::Double, MAIN},
        {OPT_LEFT_CLICK_MENU, HotClick::Left, MAIN},
        {OPT_LEFT_CLICK_MENU, HotClick::Right, APP},
        {OPT_LEFT_CLICK_MENU, HotClick::Double, MAIN},
    };
    ASSERT_TRUE(StartWithStyle(5));
    for (const Case& c : cases) {
        window.commands.clear();
        service.m_dwOptions = c.options;
        service.m_nSelEntryId = 3; // left over from an earlier menu
        service.OnHotWindowClick(c.click);
        ASSERT_EQ(window.commands.size(), 1u);
        EXPECT_EQ(window.commands[0].second, c.command);
        if (c.command == APP) {
            EXPECT_EQ(service.m_nSelEntryId, -1) << "the application menu, not an item's";
        }
    }

    window.commands.clear();
    service.OnHotWindowRest();
    CMainMenu open{MenuModel()};
    service.m_pMainMenu = &open;
    service.OnHotWindowRest();
    service.m_pMainMenu = nullptr;
    EXPECT_EQ(window.commands, (Posted{{0, MAIN}}));
}

TEST_F(HotWindowTest, PlaceAndWidthAreKeptAndADragIsNoClick) {
    CPreferences prefs;
    prefs.m_ptHot = {100, 60};
    HotWindowKeeper keeper(hotWindows, prefs);
    EXPECT_FALSE(keeper.SavePlace({100, 60, 138, 98}, true)) << "a click";
    EXPECT_TRUE(keeper.SavePlace({300, 60, 338, 98}, true)) << "a drag along the row";
    EXPECT_TRUE(keeper.SavePlace({300, 400, 338, 438}, true)) << "a drag down";
    EXPECT_EQ(prefs.m_nHotMenuWidth, 100) << "a hot-icon or a collapsed hot-menu has no width";
    EXPECT_FALSE(keeper.SavePlace({300, 400, 480, 500}, false));
    EXPECT_EQ(prefs.m_nHotMenuWidth, 180);
    EXPECT_EQ(prefs.m_ptHot.x, 300);
    EXPECT_EQ(prefs.m_ptHot.y, 400);
}

TEST_F(HotWindowTest, DroppedTextBecomesAnItemButAnEntryDraggedOverItDoesNot) {
    ASSERT_TRUE(StartWithStyle(5));
    service.m_dwOptions |= OPT_AUTOSAVE;
    service.SetBusy(false);
    hotWindows.log.clear();
    const int saves = log.Count("save active");
    FakeDataOffer offer;
    offer.SetText(win::CF_TEXT, "dropped words");
    EXPECT_EQ(service.OnHotWindowDrop(offer), 1u);
    ASSERT_EQ(service.m_activeList.size(), 1u);
    EXPECT_EQ(service.m_activeList[0]->text, "dropped words");
    EXPECT_EQ(hotWindows.log, (Log{"indicator 1", "indicator 0", "refresh"}));
    EXPECT_EQ(log.Count("save active"), saves + 1) << "kept at once with autosave";

    service.m_pDragItem = service.m_activeList[0].get();
    offer.SetText(win::CF_TEXT, "passing over");
    EXPECT_EQ(service.OnHotWindowDrop(offer), 0u);
    service.m_pDragItem = nullptr;
    EXPECT_EQ(service.m_activeList.size(), 1u);
}

TEST_F(HotWindowTest, AStyleFromTheContextMenuAppliesAfterTheMenusClosedAndIsSaved) {
    ASSERT_TRUE(StartWithStyle(0x13));
    hotWindows.log.clear();
    menus.onContextMenu = [](int) { return unsigned(ID_HOT_STYLE_LAST); }; // the last style
    service.OpenContextMenu();
    EXPECT_TRUE(hotWindows.log.empty()) << "the hot-menu may be tracking a popup";
    const int saves = log.Count("save active");
    DeliverPosted();
    EXPECT_EQ(hotWindows.log, (Log{"destroy", "create 23 0"}));
    EXPECT_EQ(log.Count("save active"), saves + 1);
}

TEST_F(HotWindowTest, TheCameraRunsAfterTheMenuClosedAndCountsItsCopies) {
    ASSERT_TRUE(StartWithStyle(5));
    menus.onContextMenu = [](int) { return unsigned(ID_CAMERA); };
    service.OpenContextMenu();
    EXPECT_EQ(camera.runs, 0) << "not inside the menu's loop";
    ASSERT_FALSE(window.posted.empty());
    EXPECT_EQ(window.posted[0], (std::pair<uintptr_t, intptr_t>{0, ID_CAMERA}));

    camera.copies = 2;
    service.m_nPasteCount = 5;
    service.OnCommand(0, ID_CAMERA);
    EXPECT_EQ(camera.openedAt, PixelRect());
    EXPECT_EQ(camera.openedFlags, 3);
    EXPECT_EQ(service.m_nPasteCount, 7u);
    EXPECT_EQ(service.m_rcCamera, camera.closedAt) << "kept for the next opening";
    EXPECT_EQ(service.m_nCameraFlags, camera.closedFlags);
    EXPECT_FALSE(service.m_dwState & ST_BUSY) << "its copies are cuts to capture";

    camera.open = true;
    service.OnCommand(0, ID_CAMERA);
    EXPECT_EQ(camera.runs, 1);
    EXPECT_EQ(camera.broughtToFront, 1);
}
} // namespace
