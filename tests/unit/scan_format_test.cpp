#include "player/scan_format.h"

#include <gtest/gtest.h>

namespace {
int Scan(const std::string& in, const char* fmt, int32_t* v) {
    return ScanValues(in, fmt, v, 8);
}
} // namespace

TEST(ScanValues, WidthLimitsDigitsAndCountsTheSign) {
    int32_t v[8] = {};
    ASSERT_EQ(Scan("1234", "%02d%02d", v), 2);
    EXPECT_EQ(v[0], 12);
    EXPECT_EQ(v[1], 34);
    ASSERT_EQ(Scan("-1:-15", "%02d:%02d", v), 2);
    EXPECT_EQ(v[0], -1);
    EXPECT_EQ(v[1], -1); // "-1" fills the width; the 5 is left over
    ASSERT_EQ(Scan("+7,-123456", "%d,%d", v), 2);
    EXPECT_EQ(v[0], 7);
    EXPECT_EQ(v[1], -123456);
}

TEST(ScanValues, HexTakesEitherCaseUpToItsWidth) {
    int32_t v[8] = {};
    ASSERT_EQ(Scan("fF7", "%02X%d", v), 2);
    EXPECT_EQ(v[0], 0xFF);
    EXPECT_EQ(v[1], 7);
    ASSERT_EQ(Scan("2", "%02X", v), 1);
    EXPECT_EQ(v[0], 2);
    EXPECT_EQ(Scan("g1", "%02X", v), 0);
}

TEST(ScanValues, BlanksMatchAnyWhiteSpaceAndNumbersSkipIt) {
    int32_t v[8] = {};
    EXPECT_EQ(Scan("1,2", "%d, %d", v), 2);
    EXPECT_EQ(Scan("1,\t\r\n 2", "%d, %d", v), 2);
    EXPECT_EQ(Scan("<  08", "<%02d", v), 1);
    EXPECT_EQ(v[0], 8);
    // Literals do not skip white space.
    EXPECT_EQ(Scan("1 ,2", "%d,%d", v), 1);
}

TEST(ScanValues, StopsAtTheFirstMismatch) {
    int32_t v[8] = {9, 9, 9};
    EXPECT_EQ(Scan("", "%d", v), 0);
    EXPECT_EQ(Scan("5 %", "%02d:%02d", v), 1);
    EXPECT_EQ(Scan("-x", "%d", v), 0);
    EXPECT_EQ(Scan("12", "%d:%d", v), 1);
    int32_t one[1];
    EXPECT_EQ(ScanValues("1 2 3", "%d %d %d", one, 1), 1); // never writes past the array
}

TEST(ScanValues, HugeNumbersWrapInsteadOfOverflowing) {
    int32_t v[8] = {};
    ASSERT_EQ(Scan("4294967297", "%d", v), 1);
    EXPECT_EQ(v[0], 1);
    ASSERT_EQ(Scan("-99999999999999999999999", "%d", v), 1);
}
