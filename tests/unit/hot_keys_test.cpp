// Hot keys through a fake that can refuse combinations: what is registered for which
// preferences, the fallback between the two second hot keys, and the key-release wait.
#include <gtest/gtest.h>

#include "app/hot_keys.h"
#include "fakes/service_fixture.h"
#include "platform/win_constants.h"

namespace {
using Combo = FakeHotKeys::Combo;
constexpr unsigned CTRL_SHIFT = win::MOD_CONTROL | win::MOD_SHIFT;
const Combo kCtrlShiftIns{CTRL_SHIFT, win::VK_INSERT};
const Combo kCtrlShiftV{CTRL_SHIFT, win::VK_V};
const Combo kAltShiftIns{win::MOD_ALT | win::MOD_SHIFT, win::VK_INSERT};

// The hot keys with only their own ports and what they work with.
struct HotKeysUnit : ISuperHotKeyPaste {
    CallLog log;
    FakeHotKeys hotKeys;
    FakeTimers timers;
    FakeInputState input;
    FakeClock clock;
    FakeServiceWindow window{log};
    FakeFocus focus;
    FakeTargetWindow targets{log};
    FakeHotWindows hotWindows;
    ServiceState state{1024, 0};
    HotWindowKeeper hotWnd{hotWindows, state};
    PasteTarget target{{focus, targets}, state, hotWnd};
    HotKeys keys{{hotKeys, timers, input, clock, window}, state, target, hotWnd, *this};
    std::vector<int> pasted; // super hot keys, by id
    void PasteSuperHotKey(int id) override { pasted.push_back(id); }
};

using HotKeyTest = ServiceFixture;

TEST_F(HotKeyTest, DefaultsHoldAltShiftInsertCtrlShiftVAndTheMouseTimer) {
    ASSERT_TRUE(service.Create(kFrame));
    EXPECT_EQ(hotKeys.registered, (std::map<int, Combo>{{1, kAltShiftIns}, {2, kCtrlShiftV}}));
    EXPECT_EQ(timers.running, (std::map<uintptr_t, unsigned>{{TIMER_MOUSE_AT_TOP, 400}}));
    EXPECT_TRUE(boxes.shown.empty());

    service.OnDestroy();
    EXPECT_TRUE(hotKeys.registered.empty());
}

TEST(HotKeys, SecondHotKeyFallsBackToTheOtherChoiceAndTheBitsFollow) {
    struct Case {
        uint32_t bits;
        std::set<Combo> taken;
        bool result;
        std::vector<Combo> attempts; // of id 2, in order
        uint32_t bitsAfter;
    };
    const uint32_t INS = OPT_HK_CTRL_SHIFT_INS, V = OPT_HK_CTRL_SHIFT_V;
    const Case cases[] = {
        {INS, {}, true, {kCtrlShiftIns}, INS},
        {INS, {kCtrlShiftIns}, true, {kCtrlShiftIns, kCtrlShiftV}, V},
        {V, {kCtrlShiftV}, true, {kCtrlShiftV, kCtrlShiftIns}, INS},
        {INS | V, {}, true, {kCtrlShiftIns}, INS},
        {V, {kCtrlShiftV, kCtrlShiftIns}, false, {kCtrlShiftV, kCtrlShiftIns}, V},
        {INS, {kCtrlShiftV, kCtrlShiftIns}, false, {kCtrlShiftIns, kCtrlShiftV, kCtrlShiftIns}, V},
        {0, {}, false, {}, 0},
    };
    for (const Case& c : cases) {
        HotKeysUnit u;
        u.hotKeys.takenByOthers = c.taken;
        u.state.m_dwOptions = c.bits;
        EXPECT_EQ(u.keys.Register(), c.result) << c.bits;
        std::vector<Combo> secondTries;
        for (const Combo& a : u.hotKeys.attempts)
            if (a.first == CTRL_SHIFT)
                secondTries.push_back(a);
        EXPECT_EQ(secondTries, c.attempts) << c.bits;
        EXPECT_EQ(u.state.m_dwOptions & (INS | V), c.bitsAfter) << c.bits;
    }
}

TEST_F(HotKeyTest, WithBothSecondHotKeysTakenTheStartSaysSoAndGoesOn) {
    hotKeys.takenByOthers = {kCtrlShiftIns, kCtrlShiftV, kAltShiftIns};
    ASSERT_TRUE(service.Create(kFrame));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              "Unable to register hotkey <Alt + Shift + Insert> or <Ctrl + Shift + Insert>");
    EXPECT_FALSE(service.m_dwOptions & OPT_HK_ALT_SHIFT_INS) << "a refused Alt+Shift+Insert";
    EXPECT_TRUE(service.m_dwState & ST_VIEWER_ON) << "the start went on";
}

TEST(HotKeys, SuperHotKeysByChoice) {
    const std::pair<unsigned, unsigned> first[] = {{0, 0},
                                                   {win::MOD_ALT, '1'},
                                                   {win::MOD_CONTROL, '1'},
                                                   {win::MOD_ALT, win::VK_F1},
                                                   {win::MOD_CONTROL, win::VK_F1}};
    for (uint8_t choice = 0; choice <= 5; ++choice) {
        HotKeysUnit u;
        u.state.m_dwOptions = 0;
        u.state.m_nSuperHotKey = choice;
        u.keys.Register();
        if (choice == 0 || choice > 4) {
            EXPECT_TRUE(u.hotKeys.registered.empty()) << int(choice);
            continue;
        }
        const auto [mods, key] = first[choice];
        EXPECT_EQ(
            u.hotKeys.registered,
            (std::map<int, Combo>{{4, {mods, key}}, {5, {mods, key + 1}}, {6, {mods, key + 2}}}))
            << int(choice);
    }
}

TEST(HotKeys, UserHotKeyModifiersAreConvertedFromTheHotKeyControl) {
    HotKeysUnit u;
    u.state.m_dwOptions = 0;
    u.state.m_nUserHotKeyVk = 'Q';
    u.state.m_nUserHotKeyMods = win::HOTKEYF_SHIFT | win::HOTKEYF_EXT;
    u.keys.Register();
    EXPECT_EQ(u.hotKeys.registered.at(3), Combo(win::MOD_SHIFT | win::MOD_WIN, 'Q'));

    u.keys.Unregister();
    u.state.m_nUserHotKeyMods = win::HOTKEYF_CONTROL | win::HOTKEYF_ALT;
    u.keys.Register();
    EXPECT_EQ(u.hotKeys.registered.at(3), Combo(win::MOD_CONTROL | win::MOD_ALT, 'Q'));

    u.keys.Unregister();
    u.state.m_nUserHotKeyVk = 0;
    u.keys.Register();
    EXPECT_TRUE(u.hotKeys.registered.empty());
    EXPECT_FALSE(u.timers.Runs(TIMER_MOUSE_AT_TOP)) << "mouse at top is off";
}

TEST(HotKeys, AHotKeyWaitsForTheKeysToBeLetGoThenOpensTheMenuForTheNewTarget) {
    HotKeysUnit u;
    u.focus.foreground = WindowHandle{0x900};
    u.input.keysDown = {win::VK_INSERT, win::VK_MENU, win::VK_SHIFT};
    // The user lets go of one key per poll; meanwhile another window came to the front.
    u.clock.onSleep = [&] {
        u.input.keysDown.erase(u.input.keysDown.begin());
        u.focus.foreground = WindowHandle{0x910};
    };
    // The menu opening checks that the target still exists.
    u.targets.windows = {WindowHandle{0x900}, WindowHandle{0x910}};
    u.keys.OnHotKey(1, intptr_t(win::VK_INSERT) << 16 | (win::MOD_ALT | win::MOD_SHIFT));
    EXPECT_EQ(u.clock.sleeps.size(), 3u) << "one poll per key let go";
    EXPECT_EQ(u.window.commands, (std::vector<std::pair<uintptr_t, intptr_t>>{{0, 32792}}));
    EXPECT_EQ(u.state.m_hWndTarget, WindowHandle{0x910});
}

TEST(HotKeys, AStuckKeyDoesNotHoldTheProgramForever) {
    HotKeysUnit u;
    u.input.keysDown = {win::VK_CONTROL};
    u.keys.OnHotKey(2, intptr_t('V') << 16);
    EXPECT_LE(u.clock.Slept(), 10000u);
    EXPECT_EQ(u.window.commands.size(), 1u);
}

TEST(HotKeys, BusySuperHotKeysAndTheHotMenuWindowDoNotOpenTheMenu) {
    HotKeysUnit u;
    u.input.keysDown = {win::VK_MENU};
    u.state.m_dwState |= ST_BUSY;
    u.keys.OnHotKey(1, 0);
    u.state.m_dwState &= ~ST_BUSY;

    for (int id = HOTKEY_SUPER_FIRST; id <= HOTKEY_SUPER_LAST; ++id) {
        u.focus.foreground = WindowHandle(0x900 + id);
        u.keys.OnHotKey(id, intptr_t('0' + id - 3) << 16);
        EXPECT_EQ(u.state.m_hWndTarget, WindowHandle(0x900 + id))
            << "super hot key " << id << " remembers the target";
    }

    u.state.m_nHotStyle = HOT_STYLE_HOT_MENU;
    u.hotWnd.Create(false, false);
    u.keys.OnHotKey(1, 0);
    u.hotWnd.Destroy();

    EXPECT_TRUE(u.window.commands.empty());
    EXPECT_TRUE(u.clock.sleeps.empty());
    EXPECT_EQ(u.pasted, (std::vector<int>{4, 5, 6}));
}
} // namespace
