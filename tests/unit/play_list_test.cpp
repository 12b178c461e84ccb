#include "player/play_list.h"

#include <gtest/gtest.h>

#include "fakes/fake_clock.h"
#include "fakes/fake_players.h"

namespace {

// Plays by recording; a stop request comes after `stopAfter` plays.
class FakeStep final : public IPlayStep {
public:
    PlayResult Play(const std::string& path, int count) override {
        played.push_back(path + (count > 1 ? " x" + std::to_string(count) : ""));
        if (abandoning.count(path))
            return PlayResult::Abandon;
        return failing.count(path) ? PlayResult::Failed : PlayResult::Played;
    }
    bool StopPending() const override { return played.size() >= stopAfter; }
    void Report(const std::string& status) override { reports.push_back(status); }
    std::vector<std::string> played, reports;
    std::set<std::string> failing, abandoning;
    size_t stopAfter = 1000;
};

struct Walk {
    FakeClock clock;
    FakeFileLister files;
    FakeStep step;
    std::minstd_rand rng{7};
    Walk() {
        files.files = {"c:\\m\\b.wav", "c:\\m\\a.wav", "c:\\m\\c.wav", "c:\\m\\d.mid",
                       "c:\\one.wav"};
        clock.SetLocal(2024, 3, 5, 10, 0);
    }
    void Run(const std::string& list, bool random) {
        WalkPlayList(list, random, PlayFiles{files, "c:\\prog\\q.exe"}, clock, step, rng);
    }
};

} // namespace

TEST(PlayList, PatternsPlayInNameOrderOrAtRandomNeverTheSameTwiceInARow) {
    Walk w;
    w.Run("c:\\m\\*.wav\r\n\r\nc:\\missing.wav\r\nc:\\one.wav<Strike>", false);
    EXPECT_EQ(w.step.played, (std::vector<std::string>{"c:\\m\\a.wav", "c:\\m\\b.wav",
                                                       "c:\\m\\c.wav", "c:\\one.wav x10"}));
    EXPECT_TRUE(w.step.reports.empty());
    Walk shuffled;
    shuffled.step.stopAfter = 40;
    shuffled.Run("c:\\m\\*.wav\nc:\\one.wav", true);
    ASSERT_EQ(shuffled.step.played.size(), 40u);
    std::set<std::string> seen(shuffled.step.played.begin(), shuffled.step.played.end());
    EXPECT_EQ(seen, (std::set<std::string>{"c:\\m\\a.wav", "c:\\m\\b.wav", "c:\\m\\c.wav"}));
    for (size_t i = 1; i < shuffled.step.played.size(); ++i)
        EXPECT_NE(shuffled.step.played[i], shuffled.step.played[i - 1]) << i;
}

TEST(PlayList, ALineWhoseFilesAllFailOrAreTooManyEndsWithAStatus) {
    Walk w;
    w.step.failing = {"c:\\m\\a.wav", "c:\\m\\b.wav", "c:\\m\\c.wav"};
    w.Run("c:\\m\\*.wav\r\nc:\\one.wav", true);
    EXPECT_LE(w.step.played.size(), 4u);
    EXPECT_EQ(w.step.played.back(), "c:\\one.wav");

    Walk abandoned; // the user stopped the media player: nothing more of the list plays
    abandoned.step.abandoning = {"c:\\m\\a.wav", "c:\\m\\b.wav", "c:\\m\\c.wav"};
    abandoned.Run("c:\\m\\*.wav\r\nc:\\one.wav", true);
    EXPECT_EQ(abandoned.step.played.size(), 1u);

    Walk many;
    for (size_t i = 0; i <= MAX_PATTERN_FILES; ++i)
        many.files.files.insert("c:\\big\\" + std::to_string(i) + ".wav");
    many.Run("c:\\big\\*.wav\r\nc:\\one.wav", false);
    EXPECT_EQ(many.step.played, std::vector<std::string>{"c:\\one.wav"});
    EXPECT_EQ(many.step.reports, std::vector<std::string>{"Too many files: c:\\big\\*.wav"});
}
