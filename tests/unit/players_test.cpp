#include "player/players.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <thread>
#include <tuple>

#include "fakes/fake_clock.h"
#include "fakes/fake_players.h"

namespace {

// An MCI device: "busy" clips find the outputs taken at their first open; a clip stops
// after its third poll, "long" ones only when skipped.
class FakeMci final : public IMci {
public:
    uint32_t Open(const std::string& path, uint32_t& device) override {
        std::lock_guard<std::mutex> guard(lock);
        log.push_back("open " + path);
        if (path.find("busy") != std::string::npos && !busyOnce++)
            return MCI_ERROR_WAVE_OUTPUTS_BUSY;
        device = 1;
        polls = 0;
        stops = path.find("long") == std::string::npos;
        return 0;
    }
    uint32_t Send(uint32_t, MciCommand command, uint32_t argument) override {
        std::lock_guard<std::mutex> guard(lock);
        if (command == MciCommand::Seek)
            log.push_back("seek " + std::to_string(argument));
        else if (command == MciCommand::Close)
            log.push_back("close");
        return 0;
    }
    uint32_t Status(uint32_t, MciStatusItem item, uint32_t& value) override {
        std::lock_guard<std::mutex> guard(lock);
        if (item == MciStatusItem::Mode)
            value = stops && ++polls >= 3 ? MCI_MODE_STOPPED : 526;
        else
            value = item == MciStatusItem::Length ? 1000 : 100 + polls++;
        return 0;
    }
    std::string ErrorText(uint32_t error) override { return "error " + std::to_string(error); }
    std::vector<std::string> Log() {
        std::lock_guard<std::mutex> guard(lock);
        return log;
    }
    std::mutex lock;
    std::vector<std::string> log;
    int busyOnce = 0;
    std::atomic<int> polls{0};
    bool stops = true;
};

// Waits up to ten seconds for `done` to hold; whether it does.
bool Eventually(const std::function<bool()>& done) {
    for (int i = 0; i < 500 && !done(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return done();
}

struct Rig {
    std::shared_ptr<FakeWaveOut> wave = std::make_shared<FakeWaveOut>();
    std::shared_ptr<FakeMci> mci = std::make_shared<FakeMci>();
    std::shared_ptr<FakeFileLister> files = std::make_shared<FakeFileLister>();
    std::shared_ptr<FakePlayerCommands> media = std::make_shared<FakePlayerCommands>();
    std::shared_ptr<FakeClock> clock = std::make_shared<FakeClock>();
    CPlayers players{
        PlayerPorts{wave, mci, files, media, clock, StartDetachedThread, "c:\\p\\q.exe"}};
    Rig() {
        files->files = {"c:\\long.wav", "c:\\a.wav",    "c:\\b.wav",
                        "c:\\x.txt",    "c:\\busy.mid", "c:\\long.mid"};
        clock->SetLocal(2024, 3, 5, 10, 15);
    }
    void WaitEnded(uint64_t run, int line) {
        EXPECT_TRUE(Eventually([&] { return !players.IsRunning(run); }))
            << "run " << run << " from line " << line;
    }
};

} // namespace

TEST(Players, AWaveListPlaysInOrderAtItsVolumeAndPausesTheMediaPlayerButNotItself) {
    Rig rig;
    const uint64_t run = rig.players.Start(
        PlayerKind::Wave, MakePlayHeader({false, true, 7}) + "c:\\a.wav\r\nc:\\x.txt\r\nc:\\b.wav");
    rig.WaitEnded(run, __LINE__);
    EXPECT_EQ(rig.wave->Played(),
              (std::vector<std::string>{"c:\\a.wav", "c:\\x.txt", "c:\\b.wav"}));
    EXPECT_EQ(rig.wave->volumes, std::vector<int>{7});
    EXPECT_EQ(rig.media->sent, (std::vector<int>{PC_PAUSE, PC_RESUME}));
    EXPECT_EQ(rig.players.Status(), "*.wav"); // "b.wav", ended

    // The media player's own thread never pauses or resumes it.
    const uint64_t media =
        rig.players.Start(PlayerKind::Media, MakePlayHeader({false, true, 4}) + "c:\\a.wav");
    rig.WaitEnded(media, __LINE__);
    EXPECT_EQ(rig.media->sent,
              (std::vector<int>{PC_PAUSE, PC_RESUME, PC_VOLUME, PC_QUERY, PC_OPEN}));
}

TEST(Players, ANewStartCutsThePlayingSoundAndAStopOnlyRequestEndsTheWalk) {
    Rig rig;
    const uint64_t first =
        rig.players.Start(PlayerKind::Wave, MakePlayHeader({}) + "c:\\long.wav\r\nc:\\a.wav");
    Eventually([&] { return !rig.wave->Played().empty(); });
    EXPECT_EQ(rig.players.Status(), "long.wav");
    const uint64_t second = rig.players.Start(PlayerKind::Wave, MakePlayHeader({}) + "c:\\b.wav");
    rig.WaitEnded(first, __LINE__);
    rig.WaitEnded(second, __LINE__);
    EXPECT_EQ(rig.wave->Played(), (std::vector<std::string>{"c:\\long.wav", "c:\\b.wav"}));

    const uint64_t stop = rig.players.Start(PlayerKind::Mci, std::string());
    rig.WaitEnded(stop, __LINE__);
    EXPECT_EQ(rig.players.Status()[0], '*');
    EXPECT_TRUE(rig.players.Shutdown(1000));
    EXPECT_EQ(rig.players.Start(PlayerKind::Wave, "0 c:\\a.wav"), 0u);
}

TEST(Players, TheMciPlayerRetriesABusyOutputSeeksAndSkips) {
    Rig rig;
    const uint64_t run =
        rig.players.Start(PlayerKind::Mci, MakePlayHeader({}) + "c:\\busy.mid\r\nc:\\long.mid");
    auto logged = [&](const std::string& line) {
        return Eventually([&] {
            const std::vector<std::string> log = rig.mci->Log();
            return std::find(log.begin(), log.end(), line) != log.end();
        });
    };
    ASSERT_TRUE(logged("open c:\\long.mid"));
    Eventually([&] { return rig.players.Progress().position >= 0; });
    EXPECT_EQ(rig.players.Progress().length, 1000);
    EXPECT_GE(rig.players.Progress().position, 100);
    rig.players.SeekMci(500);
    ASSERT_TRUE(logged("seek 500"));
    const int polled = rig.mci->polls;
    Eventually([&] { return rig.mci->polls >= polled + 4; });
    rig.players.SkipMciClip();
    rig.WaitEnded(run, __LINE__);
    EXPECT_EQ(rig.mci->Log(),
              (std::vector<std::string>{"open c:\\busy.mid", "open c:\\busy.mid", "close",
                                        "open c:\\long.mid", "seek 500", "close"}));
    EXPECT_EQ(rig.players.Status(), "*ong.mid"); // "long.mid", ended
    EXPECT_EQ(std::make_pair(rig.players.Progress().length, rig.players.Progress().position),
              std::make_pair(0, -1));
}

TEST(Players, ThePlayHeaderCarriesItsSettingsAndAStartWithoutAThreadHasNoRun) {
    const ThreadStarter refuse = [](std::function<void()>) { return false; };
    CPlayers players{PlayerPorts{std::make_shared<FakeWaveOut>(), nullptr, nullptr, nullptr,
                                 nullptr, refuse, std::string()}};
    EXPECT_EQ(players.Start(PlayerKind::Wave, "0 c:\\a.wav"), 0u);
    EXPECT_TRUE(players.Shutdown(0));
    std::string list;
    const PlayHeader h = ParsePlayHeader(MakePlayHeader({true, false, 9}) + "a.wav", list);
    EXPECT_EQ(std::make_tuple(h.random, h.pauseMedia, h.volume, list),
              std::make_tuple(true, false, 9, "a.wav"));
    EXPECT_EQ(ParsePlayHeader(MakePlayHeader({}) + "a.wav", list).volume, -1);
    EXPECT_EQ(ParsePlayHeader(MakePlayHeader({false, false, 0}), list).volume, 0);
}
