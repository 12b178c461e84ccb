// The taskbar icon, the pause state and the service window's timers through fakes.
#include <gtest/gtest.h>

#include "fakes/fake_players.h"
#include "fakes/service_fixture.h"
#include "player/scheduler.h"
#include "platform/win_constants.h"
#include "store/language.h"

namespace {

class TrayTest : public ServiceFixture {
protected:
    void SetUp() override {
        ServiceFixture::SetUp();
        store.onLoadActive = [](ServiceState& s) { s.m_dwOptions &= ~OPT_NO_TRAY_ICON; };
    }
    // The icon's calls as "what picture tip".
    std::vector<std::string> Tray() const {
        std::vector<std::string> out;
        for (const auto& c : tray.calls)
            out.push_back(c.what + " " + std::to_string(c.data.iconId) + " " + c.data.szTip);
        return out;
    }
};

TEST_F(TrayTest, TheIconComesWithTheWindowAndGoesWithIt) {
    ASSERT_TRUE(service.Create(kFrame));
    EXPECT_EQ(tray.Last().hWnd, service.GetSafeHwnd());
    service.OnDestroy();
    service.SetTrayIcon(true); // added again later (the preference toggle)
    EXPECT_EQ(Tray(), (std::vector<std::string>{"add 153 Quillbox", "delete 153 Quillbox",
                                                "add 153 Quillbox"}));
    EXPECT_EQ(tray.Last().uFlags, 7u) << "with its picture, tip and messages";
}

TEST_F(TrayTest, NoIconAtAllWhenTheUserTurnedItOff) {
    store.onLoadActive = nullptr; // the default keeps the icon off
    ASSERT_TRUE(service.Create(kFrame));
    service.OnServiceCommand(32810);
    service.SetBusy(true);
    service.OnDestroy();
    EXPECT_TRUE(tray.calls.empty());
    EXPECT_TRUE(service.m_dwState & ST_PAUSED);
}

// Pause and continue change picture and tip (cut to 63 characters); the program's own work
// shows busy and then the pause again.
TEST_F(TrayTest, PauseAndContinueChangePictureAndTip) {
    languages.libraries[LanguageLibraryPath(1)].strings[3009] = std::string(80, 'p');
    store.onLoadActive = [](ServiceState& s) {
        s.m_nLanguage = 1;
        s.m_dwOptions &= ~OPT_NO_TRAY_ICON;
    };
    ASSERT_TRUE(service.Create(kFrame));
    tray.calls.clear();
    EXPECT_TRUE(service.OnServiceCommand(32810));
    service.OnServiceCommand(32810);
    EXPECT_TRUE(service.m_dwState & ST_PAUSED) << "pausing twice keeps it paused";
    service.SetBusy(true);
    service.SetBusy(false);
    EXPECT_TRUE(service.OnServiceCommand(32811));
    EXPECT_FALSE(service.m_dwState & ST_PAUSED);
    EXPECT_FALSE(service.OnServiceCommand(32812));
    service.OnServiceCommand(32810);
    service.SetTrayIcon(true, true); // a new icon of a paused service shows it paused
    const std::string paused = " " + std::string(63, 'p');
    EXPECT_EQ(Tray(), (std::vector<std::string>{"modify 185" + paused, "modify 185" + paused,
                                                "modify 188" + paused, "modify 185" + paused,
                                                "modify 153 Quillbox", "modify 185" + paused,
                                                "add 185" + paused}));
}

TEST_F(TrayTest, MouseProtocolOfTheIcon) {
    ASSERT_TRUE(service.Create(kFrame));
    EXPECT_EQ(service.OnTrayNotify(129, win::WM_RBUTTONUP), 0) << "another icon";
    for (unsigned quiet : {win::WM_LBUTTONDOWN, win::WM_RBUTTONDOWN, 0x0208u /* middle up */})
        EXPECT_EQ(service.OnTrayNotify(128, quiet), 1);
    EXPECT_TRUE(window.commands.empty());

    // Right-click mode: the right button opens the main menu, the left one the app menu.
    service.m_nSelEntryId = 7;
    EXPECT_EQ(service.OnTrayNotify(128, win::WM_RBUTTONUP), 1);
    EXPECT_EQ(service.OnTrayNotify(128, win::WM_LBUTTONUP), 1);
    EXPECT_EQ(service.m_nSelEntryId, -1);
    EXPECT_EQ(window.commands, (Posted{{0, 32792}, {0, 32794}}));

    window.commands.clear();
    service.m_dwOptions |= OPT_LEFT_CLICK_MENU;
    service.OnTrayNotify(128, win::WM_LBUTTONDBLCLK);
    service.OnTrayNotify(128, win::WM_RBUTTONUP);
    EXPECT_EQ(window.commands, (Posted{{0, 32792}, {0, 32794}}));
}

TEST_F(TrayTest, HoverRemembersTheTargetAtMostOncePerTimerPeriod) {
    ASSERT_TRUE(service.Create(kFrame));
    focus.foreground = WindowHandle{0x900};
    EXPECT_EQ(service.OnTrayNotify(128, win::WM_MOUSEMOVE), 1);
    EXPECT_EQ(service.m_hWndTarget, WindowHandle{0x900});
    EXPECT_EQ(timers.running.at(TIMER_TRAY_HOVER), 300u);

    focus.foreground = WindowHandle{0x910};
    service.OnTrayNotify(128, win::WM_MOUSEMOVE);
    EXPECT_EQ(service.m_hWndTarget, WindowHandle{0x900});

    service.OnTimer(TIMER_TRAY_HOVER);
    EXPECT_FALSE(timers.Runs(TIMER_TRAY_HOVER));
    service.OnTrayNotify(128, win::WM_MOUSEMOVE);
    EXPECT_EQ(service.m_hWndTarget, WindowHandle{0x910});
}

TEST_F(TrayTest, ThePointerRestingOnTheTopRowOpensTheMenuAfterTwoTicks) {
    ASSERT_TRUE(service.Create(kFrame));
    auto tick = [&](int x, int y) {
        input.cursor = ScreenPoint{x, y};
        service.OnTimer(TIMER_MOUSE_AT_TOP);
        return window.commands.size();
    };
    EXPECT_EQ(tick(500, 0), 0u);
    EXPECT_EQ(tick(500, 0), 1u);
    EXPECT_EQ(tick(500, 0), 1u) << "the next opening needs two ticks again";
    EXPECT_EQ(tick(500, 0), 2u);

    EXPECT_EQ(tick(510, 0), 2u) << "moving along the edge";
    EXPECT_EQ(tick(520, 0), 2u);
    EXPECT_EQ(tick(530, 4), 2u) << "arriving from below";
    EXPECT_EQ(tick(530, 0), 2u);

    service.m_dwState |= ST_BUSY;
    EXPECT_EQ(tick(530, 0), 2u);
    service.m_dwState &= ~ST_BUSY;
    service.m_dwOptions &= ~OPT_MOUSE_AT_TOP;
    EXPECT_EQ(tick(530, 0), 2u);
    EXPECT_EQ(tick(530, 0), 2u);
    EXPECT_EQ(window.commands.back(), std::make_pair(uintptr_t{0}, intptr_t{32792}));
}

TEST_F(TrayTest, SchedulerStartAndStopFollowTheOptionAndSave) {
    ASSERT_TRUE(service.Create(kFrame));
    EXPECT_FALSE(timers.Runs(TIMER_SCHEDULER));
    EXPECT_TRUE(service.OnServiceCommand(32785));
    EXPECT_TRUE(service.m_dwOptions & OPT_SCHEDULER_ON);
    EXPECT_EQ(timers.running.at(TIMER_SCHEDULER), 2000u);
    EXPECT_EQ(log.Count("save active"), 1);
    EXPECT_TRUE(service.OnServiceCommand(32786));
    EXPECT_FALSE(service.m_dwOptions & OPT_SCHEDULER_ON);
    EXPECT_FALSE(timers.Runs(TIMER_SCHEDULER));
    EXPECT_EQ(log.Count("save active"), 2);

    // The option is kept in the file: a start with it on starts the timer.
    FakeServicePorts next;
    next.store.onLoadActive = [](ServiceState& s) { s.m_dwOptions |= OPT_SCHEDULER_ON; };
    CServiceWnd again{next.Ports(), 1024, 0};
    ASSERT_TRUE(again.Create(kFrame));
    EXPECT_EQ(next.timers.running.at(TIMER_SCHEDULER), 2000u);
}

// The scheduler's tick scans the schedules once in each new minute, not on the first tick.
TEST_F(TrayTest, TheSchedulerTickScansOnceInEachNewMinute) {
    FakeProcesses processes;
    FakePlayerThreads threads;
    FakePlayerCommands media;
    CScheduler scheduler{SchedulerPorts{clock, timers, processes, threads, media}};
    service.m_pScheduler = &scheduler;
    ASSERT_TRUE(service.Create(kFrame));
    AddActive("run")->caption = "Cmd <10:01,*,*,* *:* *:*,* *:*,*,*,* 03>";
    for (int second : {50, 60, 62}) { // 10:00:50, 10:01:00, 10:01:02
        clock.SetLocal(2024, 3, 5, 10, second / 60, second % 60);
        service.OnTimer(TIMER_SCHEDULER);
    }
    EXPECT_EQ(processes.run, std::vector<std::string>{"run"});
}
} // namespace
