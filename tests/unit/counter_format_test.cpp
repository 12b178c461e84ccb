// Counter patterns are user text: one integer conversion is honoured, nothing else.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "store/counter_format.h"

namespace {

// The reference: the C library's printf with a pattern of the test's own table.
std::string Printf(const char* pattern, unsigned value) {
    std::vector<char> buffer(256);
    if (std::string(pattern).find('l') != std::string::npos)
        std::snprintf(buffer.data(), buffer.size(), pattern,
                      static_cast<unsigned long long>(value));
    else
        std::snprintf(buffer.data(), buffer.size(), pattern, value);
    return buffer.data();
}

TEST(CounterFormatTest, SingleIntegerConversionPrintsAsPrintfWould) {
    // Each pattern holds exactly one integer conversion, so printf itself is the reference.
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

TEST(CounterFormatTest, TextWithoutConversionIsUnchangedAndNotCounted) {
    const std::pair<const char*, const char*> cases[] = {{"plain text", "plain text"},
                                                         {"", ""},
                                                         {"50%", "50%"},
                                                         {"%", "%"},
                                                         {"100%% sure", "100% sure"},
                                                         {"%s and %p", "%s and %p"},
                                                         {"%n%n%n", "%n%n%n"}};
    for (const auto& [pattern, text] : cases) {
        CounterText r = FormatCounter(pattern, 3);
        EXPECT_FALSE(r.counted) << pattern;
        EXPECT_EQ(r.text, text) << pattern;
    }
}

TEST(CounterFormatTest, HostileConversionsAreLiteralAndOnlyOneValueIsTaken) {
    EXPECT_EQ(FormatCounter("%s%n%s", 9).text, "%s%n%s");
    EXPECT_EQ(FormatCounter("%d %d %s %x", 9).text, "9 %d %s %x");
    EXPECT_EQ(FormatCounter("%s then %d", 9).text, "%s then 9");
    EXPECT_EQ(FormatCounter("%*d", 9).text, "%*d");
    EXPECT_EQ(FormatCounter("%.*d|%5", 9).text, "%.*d|%5");
    EXPECT_EQ(FormatCounter("%ls %Lf %p %c", 9).text, "%ls %Lf %p %c");
    EXPECT_EQ(FormatCounter("end%", 9).text, "end%");
}

TEST(CounterFormatTest, HugeWidthsAreBoundedByThePatternLength) {
    const std::string p = "%999999999d";
    CounterText r = FormatCounter(p, 5);
    EXPECT_TRUE(r.counted);
    EXPECT_EQ(r.text, std::string(p.size() + 31 - 1, ' ') + "5");

    r = FormatCounter("%.99999999999999999999u", 5);
    EXPECT_EQ(r.text, std::string(23 + 31 - 1, '0') + "5");

    r = FormatCounter("%-99999d|", 12);
    ASSERT_EQ(r.text.size(), 9u + 31);
    EXPECT_EQ(r.text.substr(0, 3), "12 ");
}

} // namespace
