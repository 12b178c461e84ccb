#include "store/text_rules.h"

#include <gtest/gtest.h>

TEST(TextRules, CaptionsPreviewsAndNarrowingThatWideningUndoes) {
    const std::string x32(32, 'x');
    const struct {
        std::string text, caption, preview;
    } cases[] = {
        {"   Hello,\r\n\r\n  world  ", "Hello,   world  ", "Hello,\r\n  world"},
        {"\t\ta\t\t\tb\n", "a b ", "a   b"},
        {"\xA0\xC0\xFF", "\xA0\xC0\xFF", "\xA0\xC0\xFF"}, // bytes above 0x7F are visible
        {x32, x32, x32},
        {x32 + "y", x32 + "...", x32 + "y"},
        {x32 + "\r\n", x32 + "...", x32}, // a line end left over is a cut too
        {"\r\n\r\n" + x32, x32, x32},     // skipped bytes do not count towards the 32
        {"", "...", ""},
        {"  \r\n \t \r\n", "...", ""},
        {" \r\n\tone\ttwo \r\n\v\f", "one two  ", "one two"},
        {"a\r\n\r\nb", "a b", "a\r\nb"},
        {"a\r\n\r\n\r\n\r\nb", "a b", "a\r\n\r\nb"}, // empty lines thin in one pass only
        {"a\r\n\r\n\r\nb", "a b", "a\r\n\r\nb"},
        {std::string(510, 'a') + "  bbb", std::string(32, 'a') + "...", std::string(510, 'a')},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CaptionFromText(c.text), c.caption) << c.text;
        EXPECT_EQ(PreviewFromText(c.text), c.preview) << c.text;
    }
    EXPECT_EQ(PreviewFromText(std::string(600, 'z')).size(), 511u);
    // Narrowing puts Cyrillic on its ANSI places, and widening gives it back.
    EXPECT_EQ(NarrowUtf16(u"\u041F\u0440\u0438 A\u00E9\u00FF\u0410\u044F"),
              "\xCF\xF0\xE8 A\xE9\xFF\xC0\xFF");
    // Other units land on arbitrary but fixed bytes: (unit - 848) mod 256.
    EXPECT_EQ(NarrowUtf16(u"\u20AC\u0100"), "\x5C\xB0");
    EXPECT_EQ(WidenFileList("C:\\a.txt\r\nD:\\b\r\n"),
              std::u16string(u"C:\\a.txt\0D:\\b\0\0\0", 16));
    EXPECT_EQ(WidenFileList(""), std::u16string(2, u'\0'));
    const std::u16string path = u"C:\\\u041F\u0430\u043F\u043A\u0430\\\u0444.txt";
    EXPECT_EQ(WidenFileList(NarrowUtf16(path) + "\r\n"), path + std::u16string(3, u'\0'));
}
