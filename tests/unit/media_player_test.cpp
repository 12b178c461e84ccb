#include "player/media_player.h"

#include <gtest/gtest.h>

#include "fakes/fake_players.h"

namespace {

class FakeEngine final : public IMediaEngine {
public:
    bool Open(const std::string& file) override {
        if (file.find("bad") != std::string::npos)
            return false;
        state = MediaState{6, 2, 4, 0.0, 60.0, 0};
        return true;
    }
    void Play() override { state.playState = 2; }
    void Stop() override { state.playState = 0; }
    void Seek(double seconds) override { state.position = seconds; }
    MediaState State() const override { return state; }
    MediaState state;
};

class FakeView final : public IPlayerView {
public:
    void ShowStatus(const std::string& text) override { status = text; }
    void ShowPicture(bool show) override { picture = show; }
    std::string status;
    bool picture = false;
};

struct Rig {
    FakeEngine engine;
    FakeWaveOut volume;
    FakeView view;
    CMediaPlayer player{MediaPlayerPorts{engine, volume, view}};
    intptr_t Open(const std::string& file) {
        return player.OnCommand(PC_OPEN, reinterpret_cast<intptr_t>(&file));
    }
};

} // namespace

TEST(MediaPlayer, PausesNestStopAbandonsAndAFailedOpenSaysSo) {
    Rig rig;
    EXPECT_EQ(rig.player.OnCommand(PC_QUERY, 0), 0);
    rig.player.OnCommand(PC_VOLUME, 4);
    EXPECT_EQ(rig.Open("c:\\music\\song.mp3"), 1);
    EXPECT_EQ(rig.view.status, "song.mp3");
    EXPECT_EQ(rig.player.OnCommand(PC_QUERY, 0), 2);
    rig.engine.state.position = 12.5;
    rig.player.OnCommand(PC_PAUSE, 0); // a wave clip
    rig.player.OnCommand(PC_PAUSE, 0); // and an MCI clip
    EXPECT_EQ(rig.engine.state.playState, 0);
    rig.player.OnCommand(PC_RESUME, 0);
    EXPECT_EQ(rig.engine.state.playState, 0);
    EXPECT_EQ(rig.player.OnCommand(PC_QUERY, 0), 2);
    rig.volume.volumes.clear();
    rig.player.OnCommand(PC_RESUME, 0);
    EXPECT_EQ(rig.engine.state.playState, 2);
    EXPECT_EQ(rig.engine.state.position, 12.5);
    EXPECT_EQ(rig.volume.volumes, std::vector<int>{4});
    Rig idle;
    idle.player.OnCommand(PC_PAUSE, 0); // idle: nothing to pause
    EXPECT_EQ(idle.player.PauseCount(), 0);
    idle.Open("c:\\song.mp3");
    idle.player.OnCommand(PC_STOP, 0);
    EXPECT_EQ(idle.player.OnCommand(PC_QUERY, 0), 1);
    EXPECT_EQ(idle.player.TakeStatus(), "");
    EXPECT_EQ(idle.Open("http://bad.example/x"), 0);
    EXPECT_EQ(idle.view.status, "Cannot find server or DNS Error - http://bad.example/x");
    EXPECT_EQ(idle.player.OnCommand(PC_QUERY, 0), 0);
}
