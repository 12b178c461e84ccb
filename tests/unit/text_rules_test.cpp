#include "store/text_rules.h"

#include <gtest/gtest.h>

TEST(CaptionFromText, DropsLeadingBlanksAndFoldsControlRuns) {
    EXPECT_EQ(CaptionFromText("   Hello,\r\n\r\n  world  "), "Hello,   world  ");
    EXPECT_EQ(CaptionFromText("\t\ta\t\t\tb\n"), "a b ");
    // Bytes above 0x7F are visible, also at the start.
    EXPECT_EQ(CaptionFromText("\xA0\xC0\xFF"), "\xA0\xC0\xFF");
}

TEST(CaptionFromText, CutsAfter32BytesAndMarksTheCut) {
    const std::string visible32(32, 'x');
    EXPECT_EQ(CaptionFromText(visible32), visible32);
    EXPECT_EQ(CaptionFromText(visible32 + "y"), visible32 + "...");
    // Something left over, even a line end, counts as a cut.
    EXPECT_EQ(CaptionFromText(visible32 + "\r\n"), visible32 + "...");
    // Skipped bytes do not count towards the 32.
    EXPECT_EQ(CaptionFromText("\r\n\r\n" + visible32), visible32);
}

TEST(CaptionFromText, NothingVisibleGivesDots) {
    EXPECT_EQ(CaptionFromText(""), "...");
    EXPECT_EQ(CaptionFromText("  \r\n \t \r\n"), "...");
}

TEST(PreviewFromText, TrimsExpandsTabsAndThinsEmptyLinesOnce) {
    EXPECT_EQ(PreviewFromText(" \r\n\tone\ttwo \r\n\v\f"), "one two");
    EXPECT_EQ(PreviewFromText("a\r\n\r\nb"), "a\r\nb");
    // Three empty lines shrink by one pass only.
    EXPECT_EQ(PreviewFromText("a\r\n\r\n\r\n\r\nb"), "a\r\n\r\nb");
    EXPECT_EQ(PreviewFromText("a\r\n\r\n\r\nb"), "a\r\n\r\nb");
}

TEST(PreviewFromText, KeepsTheFirst511BytesOnly) {
    const std::string text = std::string(510, 'a') + "  bbb";
    EXPECT_EQ(PreviewFromText(text), std::string(510, 'a'));
    EXPECT_EQ(PreviewFromText(std::string(600, 'z')).size(), 511u);
}

TEST(NarrowUtf16, KeepsLatin1AndPutsCyrillicOnItsAnsiPlaces) {
    EXPECT_EQ(NarrowUtf16(u"\u041F\u0440\u0438"), "\xCF\xF0\xE8");
    EXPECT_EQ(NarrowUtf16(u"A\u00E9\u00FF"), "A\xE9\xFF");
    EXPECT_EQ(NarrowUtf16(u"\u0410\u044F"), "\xC0\xFF");
    // Other units land on arbitrary but fixed bytes: (unit - 848) mod 256.
    EXPECT_EQ(NarrowUtf16(u"\u20AC\u0100"), "\x5C\xB0");
}

TEST(WidenFileList, EndsEachPathAndTheList) {
    EXPECT_EQ(WidenFileList("C:\\a.txt\r\nD:\\b\r\n"),
              std::u16string(u"C:\\a.txt\0D:\\b\0\0\0", 16));
    EXPECT_EQ(WidenFileList(""), std::u16string(2, u'\0'));
}

TEST(WidenFileList, GivesBackTheCyrillicThatNarrowingMapped) {
    const std::u16string path = u"C:\\\u041F\u0430\u043F\u043A\u0430\\\u0444.txt";
    const std::u16string wide = WidenFileList(NarrowUtf16(path) + "\r\n");
    EXPECT_EQ(wide.substr(0, path.size()), path);
    EXPECT_EQ(wide.size(), path.size() + 3);
}
