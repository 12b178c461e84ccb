#include "player/scheduler.h"

#include <gtest/gtest.h>

#include "fakes/fake_clock.h"
#include "fakes/fake_players.h"
#include "fakes/fake_system.h"
#include "qbx_test_files.h"

namespace {

struct Rig {
    FakeClock clock;
    FakeTimers timers;
    FakeProcesses processes;
    FakePlayerThreads players;
    FakePlayerCommands media;
    CScheduler scheduler{SchedulerPorts{clock, timers, processes, players, media}};
};

} // namespace

TEST(Scheduler, EachPlayerGetsItsHeaderAndStopsTheOthersItMust) {
    struct Case {
        uint8_t flags;
        int volume;
        std::vector<std::string> starts;
        std::vector<int> mediaCommands;
    };
    const Case cases[] = {
        {PLAYER_MEDIA, 5, {"0:", "1:", "2:", "0:05a\r\nb"}, {PC_STOP}},
        {PLAYER_MCI | SCH_RANDOM, -1, {"2:", "1:1 a\r\nb"}, {}},
        {PLAYER_WAV | SCH_PAUSE_MEDIA, 12, {"1:", "2:2 a\r\nb"}, {}},
        {5, 3, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "flags " << int(c.flags));
        Rig rig;
        rig.scheduler.StartPlayer("  a\r\nb\r\n", 0, c.flags, c.volume);
        EXPECT_EQ(rig.players.starts, c.starts);
        EXPECT_EQ(rig.media.sent, c.mediaCommands);
        EXPECT_TRUE(rig.timers.running.empty());
    }
}

TEST(Scheduler, DurationTimersEndTheirClipsOnlyWhenTheTimeIsUp) {
    Rig rig;
    rig.scheduler.StartPlayer("w.wav", 3 * 86400 + 5, PLAYER_WAV, -1);
    rig.scheduler.StartPlayer("m.mp3", 90, PLAYER_MEDIA, -1);
    ASSERT_EQ(rig.timers.running.size(), 2u);
    const uintptr_t wave = rig.timers.running.begin()->first;
    const uintptr_t media = rig.timers.running.rbegin()->first;
    EXPECT_EQ(rig.timers.running[wave], 86400000u); // long times in steps of a day
    EXPECT_EQ(rig.timers.running[media], 90000u);
    rig.players.running = {2}; // the wave run is number 2, after the stop of the MCI player
    for (int day = 0; day < 3; ++day) {
        EXPECT_TRUE(rig.scheduler.OnTimer(wave));
        EXPECT_EQ(rig.players.starts.size(), 6u); // nothing stopped yet
    }
    EXPECT_EQ(rig.timers.running[wave], 5000u);
    EXPECT_TRUE(rig.scheduler.OnTimer(wave));
    EXPECT_FALSE(rig.timers.Runs(wave));
    EXPECT_EQ(rig.players.starts.back(), "2:"); // the wave player stops, the media plays on
    rig.media.sent.clear();
    EXPECT_TRUE(rig.scheduler.OnTimer(media)); // its thread has ended: the control stops
    EXPECT_EQ(rig.media.sent, std::vector<int>{PC_STOP});
    EXPECT_FALSE(rig.scheduler.OnTimer(media));
}

TEST(Scheduler, ScheduledCommandsRunLineByLineAndEndWithTheirDuration) {
    Rig rig;
    ClipList active, collections;
    active.push_back(
        Item("Cmds <10:00,*,*,* 00:01 *:*,* *:*,*,*,* 03>", CLIP_TEXT, "a\r\n b \r\n\r\nfails"));
    active.push_back(Item("Pic <10:00,*,*,* *:* *:*,* *:*,*,*,* 03>", CLIP_BITMAP, "x"));
    active.push_back(Item("Later <10:01,*,*,* *:* *:*,* *:*,*,*,* 03>", CLIP_TEXT, "later"));
    collections.push_back(CClipItem::NewCollection("Ext"));
    collections[0]->children.push_back(
        Item("Ext <10:00,*,*,* *:* *:*,* *:*,*,*,* 03>", CLIP_TEXT, "ext"));
    rig.clock.SetLocal(2024, 3, 5, 10, 0, 1);
    rig.scheduler.ScanSchedules(active, collections);
    EXPECT_EQ(rig.processes.run, (std::vector<std::string>{"a", "b", "fails", "ext"}));
    EXPECT_EQ(rig.processes.closed, std::vector<ProcessHandle>{4}); // no duration: let go
    ASSERT_EQ(rig.timers.running.size(), 2u);
    for (const auto& timer : std::map<uintptr_t, unsigned>(rig.timers.running)) {
        EXPECT_EQ(timer.second, 60000u);
        rig.scheduler.OnTimer(timer.first);
    }
    EXPECT_EQ(rig.processes.terminated, (std::vector<ProcessHandle>{1, 2}));

    // Played now, the same item passes its whole list to the shell as one command.
    rig.processes.run.clear();
    EXPECT_TRUE(rig.scheduler.PlayItemNow("a\r\nb", active[0]->caption));
    EXPECT_EQ(rig.processes.run, std::vector<std::string>{"a\r\nb"});
    EXPECT_FALSE(rig.scheduler.PlayItemNow("a", "Plain"));
}
