#include "player/time_template.h"

#include <gtest/gtest.h>

#include "fakes/fake_clock.h"
#include "fakes/fake_players.h"

namespace {

struct Case {
    int hour, minute;
    bool pastTo, amPm; // modes on before the line
    const char* line;
    const char* expanded;
    int count;
};

const Case kCases[] = {
    {14, 45, true, true, "a://<MinHi>.<MinLo>.<HourHi>.<HourLo>.<AmPm>", "a://15.00.03.00.pm", 1},
    {14, 45, false, false, "<UsePastTo>a://<Min>.<Hour>", "a://15.15", 1},
    {21, 0, false, false, "a://<Hour>.<HourHi>.<HourLo>", "a://21.20.01", 1},
    {21, 0, false, false, "s.wav<Strike>", "c:\\prog\\s.wav", 9},
    {0, 0, false, false, "a://<Hour>.<AmPm>", "a://12.am", 1},
    {0, 0, false, false, "<Strike>s.wav", "c:\\prog\\s.wav", 12},
    {10, 30, false, false, "<Strike>s.wav", "c:\\prog\\s.wav", 1},
    {10, 31, false, false, "<IfTo>s.wav", "c:\\prog\\s.wav", 1},
    {10, 31, false, false, "<IfPast>s.wav", "<IfPast>s.wav", 0},
    {10, 0, false, false, "<IfPast>s.wav", "<IfPast>s.wav", 0},
    {10, 0, false, false, "<IfTo>s.wav", "<IfTo>s.wav", 0},
    {10, 0, false, false, "<IfMinNotZero>s.wav", "<IfMinNotZero>s.wav", 0},
    {10, 15, false, false, "<IfMinZero>s.wav", "<IfMinZero>s.wav", 0},
    {10, 15, false, false, "<IfMinNotZero>s.wav", "c:\\prog\\s.wav", 1},
    {10, 15, false, false, "<Strike>s.wav", "<Strike>s.wav", 0},
    {10, 15, false, false, "a://<Weekday> <Month>", "a://Tuesday March", 1},
    {10, 15, false, false, "  Sounds\\ding.wav ", "c:\\prog\\Sounds\\ding.wav", 1},
    {10, 15, false, false, "\\s.wav", "c:\\s.wav", 0},
    {10, 15, false, false, "\\\\server\\share\\s.wav", "\\\\server\\share\\s.wav", 1},
    {10, 15, false, false, "d:\\*.wav", "d:\\*.wav", 0},
    {10, 15, false, false, "   ", "", 0},
};

} // namespace

TEST(TimeTemplate, WorkedExamples) {
    FakeClock clock;
    FakeFileLister files;
    files.files = {"c:\\prog\\s.wav", "c:\\prog\\Sounds\\ding.wav", "\\\\server\\share\\s.wav"};
    const PlayFiles where{files, "c:\\prog\\quillbox.exe"};
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.line << " at " << c.hour << ":" << c.minute);
        clock.SetLocal(2024, 3, 5, c.hour, c.minute); // a Tuesday
        TimeModes modes{c.pastTo, c.amPm};
        std::string line = c.line;
        EXPECT_EQ(ExpandTimeTemplate(line, modes, clock.local, where), c.count);
        EXPECT_EQ(line, c.expanded);
    }
}
