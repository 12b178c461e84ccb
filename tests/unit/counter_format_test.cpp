// Counter patterns are user text: one integer conversion is honoured, nothing else.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "store/counter_format.h"

namespace {

// The reference: the C library's printf with a pattern of the test's own table.
std::string Printf(const char* pattern, unsigned value) {
    char buffer[256];
    if (std::string(pattern).find('l') != std::string::npos)
        std::snprintf(buffer, sizeof buffer, pattern, static_cast<unsigned long long>(value));
    else
        std::snprintf(buffer, sizeof buffer, pattern, value);
    return buffer;
}

TEST(CounterFormatTest, SingleIntegerConversionPrintsAsPrintfWould) {
    const char* patterns[] = {"#%d",   "%i items", "%u",     "%x",     "%X",     "%o",    "%5d|",
                              "%-5d|", "%05d",     "%+d",    "% d",    "%.3d",   "%8.3d", "%-8.3x",
                              "%#x",   "%#X",      "%#o",    "%#5o",   "%.0d",   "%+.0d", "%#.0o",
                              "%#.0x", "%010u",    "%0-6d|", "%-+6d|", "% 05d",  "%hd",   "%hu",
                              "%hhu",  "%ld",      "%lld",   "%lx",    "a%%b%dc"};
    for (const char* p : patterns)
        for (unsigned v : {0u, 7u, 255u, 40000u, 65535u}) {
            CounterText r = FormatCounter(p, v);
            EXPECT_EQ(r.text, Printf(p, v)) << p << " with " << v;
            EXPECT_TRUE(r.counted) << p;
        }
}

TEST(CounterFormatTest, OtherConversionsAreLiteralAndOnlyOneValueIsTaken) {
    const struct {
        const char* pattern;
        const char* text;
        bool counted;
    } cases[] = {
        {"plain text", "plain text", false},
        {"", "", false},
        {"50%", "50%", false},
        {"100%% sure", "100% sure", false},
        {"%s%n%s", "%s%n%s", false},
        {"%d %d %s %x", "9 %d %s %x", true},
        {"%s then %d", "%s then 9", true},
        {"%*d", "%*d", false},
        {"%.*d|%5", "%.*d|%5", false},
        {"%ls %Lf %p %c", "%ls %Lf %p %c", false},
        {"end%", "end%", false},
    };
    for (const auto& c : cases) {
        CounterText r = FormatCounter(c.pattern, 9);
        EXPECT_EQ(r.text, c.text) << c.pattern;
        EXPECT_EQ(r.counted, c.counted) << c.pattern;
    }
    // Huge widths are bounded by the pattern's length.
    EXPECT_EQ(FormatCounter("%999999999d", 5).text, std::string(11 + 31 - 1, ' ') + "5");
    EXPECT_EQ(FormatCounter("%.99999999999999999999u", 5).text,
              std::string(23 + 31 - 1, '0') + "5");
    EXPECT_EQ(FormatCounter("%-99999d|", 12).text, "12" + std::string(9 + 31 - 2, ' '));
}

} // namespace
