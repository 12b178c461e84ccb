#include "player/scan_format.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
int Scan(const std::string& in, const char* fmt, int32_t* v) {
    return ScanValues(in, fmt, v, 8);
}
} // namespace

TEST(ScanValues, WidthsLimitDigitsSignsCountAndBlanksMatchAnyWhiteSpace) {
    int32_t v[8] = {};
    const auto first4 = [&] { return std::vector<int32_t>(v, v + 4); };
    ASSERT_EQ(Scan("1234-1:-15", "%02d%02d%02d:%02d", v), 4);
    EXPECT_EQ(first4(), (std::vector<int32_t>{12, 34, -1, -1})); // "-1" fills the width
    ASSERT_EQ(Scan("fFaA7,+7,-123456", "%04x%d,%d,%d", v), 4);
    EXPECT_EQ(first4(), (std::vector<int32_t>{0xFFAA, 7, 7, -123456}));
    EXPECT_EQ(Scan("1,2", "%d, %d", v), 2);
    EXPECT_EQ(Scan("1,\t\r\n 2", "%d, %d", v), 2);
    EXPECT_EQ(Scan("1 ,2", "%d,%d", v), 1);
    EXPECT_EQ(Scan("5 %", "%02d:%02d", v), 1);
    EXPECT_EQ(Scan("-x", "%d", v), 0);
    EXPECT_EQ(Scan("g1", "%02X", v), 0);
    EXPECT_EQ(Scan("", "%d", v), 0);
}

TEST(ScanValues, StaysWithinItsArrayAndWrapsHugeNumbers) {
    int32_t one[1];
    EXPECT_EQ(ScanValues("1 2 3", "%d %d %d", one, 1), 1);
    int32_t v[8] = {};
    ASSERT_EQ(Scan("4294967297 -99999999999999999999999", "%d %d", v), 2);
    EXPECT_EQ(v[0], 1);
}
