#include "player/players.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <thread>

#include "fakes/fake_clock.h"
#include "fakes/fake_players.h"

namespace {

// A wave output whose "long.wav" sounds until it is purged.
class LongWave final : public IWaveOut {
public:
    WaveResult PlayFile(const std::string& path) override {
        std::unique_lock<std::mutex> guard(lock);
        played.push_back(path);
        if (path.find("long") != std::string::npos)
            cut.wait_for(guard, std::chrono::seconds(10), [&] { return purged; });
        purged = false;
        return path.find(".txt") != std::string::npos ? WaveResult::Unplayable : WaveResult::Played;
    }
    void Purge() override {
        std::lock_guard<std::mutex> guard(lock);
        purged = true;
        cut.notify_all();
    }
    void SetVolume(int level) override {
        std::lock_guard<std::mutex> guard(lock);
        volumes.push_back(level);
    }
    std::vector<std::string> Played() {
        std::lock_guard<std::mutex> guard(lock);
        return played;
    }
    std::mutex lock;
    std::condition_variable cut;
    bool purged = false;
    std::vector<std::string> played;
    std::vector<int> volumes;
};

struct Rig {
    std::shared_ptr<LongWave> wave = std::make_shared<LongWave>();
    std::shared_ptr<FakeFileLister> files = std::make_shared<FakeFileLister>();
    std::shared_ptr<FakePlayerCommands> media = std::make_shared<FakePlayerCommands>();
    std::shared_ptr<FakeClock> clock = std::make_shared<FakeClock>();
    CPlayers players{PlayerPorts{wave, nullptr, files, media, clock, "c:\\p\\q.exe"}};
    Rig() {
        files->files = {"c:\\long.wav", "c:\\a.wav", "c:\\b.wav", "c:\\x.txt"};
        clock->SetLocal(2024, 3, 5, 10, 15);
    }
    void WaitEnded(uint64_t run, int line) {
        SCOPED_TRACE(testing::Message() << "run " << run << " from line " << line);
        for (int i = 0; i < 500 && players.IsRunning(run); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ASSERT_FALSE(players.IsRunning(run));
    }
};

} // namespace

TEST(Players, ThePlayHeaderCarriesRandomPauseAndVolume) {
    std::string list;
    const PlayHeader header = ParsePlayHeader(MakePlayHeader({true, false, 9}) + "a.wav", list);
    EXPECT_TRUE(header.random);
    EXPECT_FALSE(header.pauseMedia);
    EXPECT_EQ(header.volume, 9);
    EXPECT_EQ(list, "a.wav");
    EXPECT_EQ(ParsePlayHeader(MakePlayHeader({false, false, 0}), list).volume, 0);
}

TEST(Players, AWaveListPlaysInOrderAtItsVolumeAndPausesTheMediaPlayer) {
    Rig rig;
    const uint64_t run = rig.players.Start(
        PlayerKind::Wave, MakePlayHeader({false, true, 7}) + "c:\\a.wav\r\nc:\\x.txt\r\nc:\\b.wav");
    rig.WaitEnded(run, __LINE__);
    EXPECT_EQ(rig.wave->Played(),
              (std::vector<std::string>{"c:\\a.wav", "c:\\x.txt", "c:\\b.wav"}));
    EXPECT_EQ(rig.wave->volumes, std::vector<int>{7});
    EXPECT_EQ(rig.media->sent, (std::vector<int>{PC_PAUSE, PC_RESUME}));
    EXPECT_EQ(rig.players.Status(), "*.wav"); // "b.wav", ended
}

TEST(Players, ANewStartCutsThePlayingSoundAndAStopOnlyRequestEndsTheWalk) {
    Rig rig;
    const uint64_t first =
        rig.players.Start(PlayerKind::Wave, MakePlayHeader({}) + "c:\\long.wav\r\nc:\\a.wav");
    for (int i = 0; i < 500 && rig.wave->Played().empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
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
