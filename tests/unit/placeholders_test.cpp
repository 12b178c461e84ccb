#include "store/placeholders.h"

#include <gtest/gtest.h>

TEST(FillPlaceholders, ValuesFillThePlacesInOrderAndAreNeverReadAsPatterns) {
    EXPECT_EQ(FillPlaceholders("[%s] %s 100%%", {"%d%s"}), "[%d%s] %s 100%");
    EXPECT_EQ(FillPlaceholders("no placeholder", {"x"}), "no placeholder");
    EXPECT_EQ(FillPlaceholders("ends with %", {"x"}), "ends with %");
    EXPECT_EQ(FillPlaceholders("%s and %s, not %s", {"a", "%s"}), "a and %s, not %s");
}
