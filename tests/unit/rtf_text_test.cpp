#include "store/rtf_text.h"

#include <gtest/gtest.h>

namespace {

// Text of a source that must read; fails the test when it does not.
std::string Text(const std::string& rtf, const char* file = __builtin_FILE(),
                 int line = __builtin_LINE()) {
    std::string text;
    if (!ExtractRtfText(rtf.data(), rtf.size(), text))
        ADD_FAILURE_AT(file, line) << "does not read: " << rtf.substr(0, 200);
    return text;
}

bool Reads(const std::string& rtf) {
    std::string text;
    return ExtractRtfText(rtf.data(), rtf.size(), text);
}

// What a word processor of the WordPad kind puts on the clipboard.
const char kWordPadDocument[] =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 "
    "Calibri;}{\\f1\\fswiss\\fprq2\\fcharset204 Arial;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green77\\blue187;}\r\n"
    "{\\stylesheet{ Normal;}{\\s1 heading 1;}}\r\n"
    "{\\info{\\title Quarterly notes}{\\author J. Smith}{\\operator js}"
    "{\\creatim\\yr2004\\mo3\\dy9\\hr10\\min5}{\\*\\company Example Ltd}}\r\n"
    "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
    "\\pard\\sa200\\sl276\\slmult1\\qc\\b\\f0\\fs28\\lang9 Quarterly \\i notes\\i0\\b0\\par\r\n"
    "\\pard\\sa200\\sl276\\slmult1\\ql\\cf1\\fs22 Sales rose 5% \\endash  see "
    "\\ldblquote Table\\~1\\rdblquote .\\cf0\\par\r\n"
    "Caf\\'e9 na\\'efve \\{braces\\} and a back\\\\slash.\\tab Tabbed\\line next line\\par\r\n"
    "{\\pict{\\*\\picprop\\shplid1025{\\sp{\\sn shapeType}{\\sv 75}}}\\pngblip\\picw32\\pich32"
    "\\picwgoal480\\pichgoal480 \r\n"
    "89504e470d0a1a0a0000000d4948445200000020000000200806000000737a7af4\r\n"
    "0000000467414d410000b18f0bfc6105}\\par\r\n"
    "{\\f1\\fs22\\lang1049 \\u1055\\'cf\\u1088\\'f0\\u1080\\'e8\\u1074\\'e2\\u1077\\'e5"
    "\\u1090\\'f2}, world?\\par\r\n"
    "}\r\n";

} // namespace

TEST(RtfText, ReadsAWordPadDocument) {
    EXPECT_EQ(Text(kWordPadDocument),
              "Quarterly notes\r\n"
              "Sales rose 5%  see \"Table1\".\r\n"
              "Caf\xE9 na\xEFve {braces} and a back\\slash.\tTabbed\r\nnext line\r\n"
              "\r\n"
              "\xCF\xF0\xE8\xE2\xE5\xF2, world?\r\n");
}

TEST(RtfText, EscapesOfUnicodeAndHexAndLineBreaks) {
    EXPECT_EQ(Text("{\\rtf1 \\u1040?}"), "\xC0");
    EXPECT_EQ(Text("{\\rtf1 \\u1040\\'3f}"), "\xC0");
    EXPECT_EQ(Text("{\\rtf1 \\u233?}"), "\xE9"); // below 849 the number is the byte
    EXPECT_EQ(Text("{\\rtf1 \\u0? \\u?}"), "? ?");
    // The replacement waits only for the character right after the escape: a fallback
    // written as a hex byte is kept, and a later question mark stays one.
    EXPECT_EQ(Text("{\\rtf1 \\u1055\\'cf Why?}"), "\xCF Why?");
    EXPECT_EQ(Text("{\\rtf1 {\\*\\x \\u1040?}?}"), "?");
    EXPECT_EQ(Text("{\\rtf1 \\'41\\'e9\\'E9\\'0a\\'0d\\'0a\\'0d}"), "A\xE9\xE9\r\n\r\n\r");
    EXPECT_EQ(Text("{\\rtf1 \\'4\r\n1}"), "A");
    // Source line breaks are noise; an escaped one ends a paragraph.
    EXPECT_EQ(Text("{\\rtf1 one\r\ntwo\\\r\nthree}"), "onetwo\r\nthree");
}

TEST(RtfText, SkipsDestinationsToTheEndOfTheirGroup) {
    for (const char* name :
         {"author",   "buptim",  "colortbl", "comment", "creatim",  "doccomm",    "fonttbl",
          "footer",   "footerf", "footerl",  "footerr", "footnote", "ftncn",      "ftnsep",
          "ftnsepc",  "header",  "headerf",  "headerl", "headerr",  "info",       "keywords",
          "operator", "pict",    "printim",  "revtim",  "rxe",      "stylesheet", "subject",
          "tc",       "title",   "txe",      "xe"})
        EXPECT_EQ(Text(std::string("{\\rtf1 a{\\") + name + " b{c}d}e}"), "ae") << name;
    EXPECT_EQ(Text("{\\rtf1 a{\\*\\unknown b{c}d}e}"), "ae");
    // A known word after \\* is acted on, not skipped.
    EXPECT_EQ(Text("{\\rtf1 a{\\*\\par b}c}"), "a\r\nbc");
    // Unknown words without \\* are ignored and their group kept, also one as long as a
    // keyword (\\adj and \\par).
    EXPECT_EQ(Text("{\\rtf1 a{\\unknown b}c\\adj d}"), "abcd");
    EXPECT_EQ(Text("{\\rtf1 {\\*\\a{\\*\\b{\\*\\c x}y}z}w{\\header h}{\\footnote{\\i f}}v}"), "wv");
    EXPECT_EQ(Text("{\\rtf1 x\\fonttbl y{z}}after"), "xafter");
}

TEST(RtfText, BinaryDataIsReadWithoutParsing) {
    EXPECT_EQ(Text("{\\rtf1 a\\bin4 {}\\\\b}"), "a{}\\\\b");
    EXPECT_EQ(Text(std::string("{\\rtf1 \\bin3 \n\0?c}", 18)), std::string("\r\n\0?c", 5));
    EXPECT_EQ(Text("{\\rtf1 {\\pict\\bin5 }}}}}}x}"), "x");
    EXPECT_EQ(Text("{\\rtf1 a\\bin0 b\\bin-5 c}"), "abc");
    // Binary data that claims more than is left runs to the end, leaving the group open.
    EXPECT_FALSE(Reads("{\\rtf1 {\\pict\\bin2147483647 abc}}"));
    EXPECT_FALSE(Reads("{\\rtf1 \\bin99999999999999999999999999 abc}"));
    EXPECT_EQ(Text("\\bin100 tail"), "tail");
}

TEST(RtfText, UnreadableSourceStaysAsItIs) {
    for (const char* bad : {"{\\rtf1 abc", "{\\rtf1 abc}}", "}{", "{\\rtf1 \\'4g}", "{\\rtf1 \\'4}",
                            "{\\rtf1 x}\\'4", "{\\rtf1 x}\\", "{\\rtf1 \\'"}) {
        EXPECT_FALSE(Reads(bad)) << bad;
        EXPECT_EQ(RtfPlainText(bad), bad);
    }
    EXPECT_EQ(RtfPlainText(""), "");
}

TEST(RtfText, DeepNestingLongWordsAndHugeParametersAreHarmless) {
    const size_t depth = 2000000;
    const std::string balanced = std::string(depth, '{') + "x" + std::string(depth, '}');
    EXPECT_EQ(Text(balanced), "x");
    EXPECT_FALSE(Reads(std::string(depth, '{')));
    const std::string skipped =
        "{\\*\\x" + std::string(depth, '{') + "y" + std::string(depth, '}') + "}z";
    EXPECT_EQ(Text(skipped), "z");
    const std::string longWord = "{\\rtf1 \\" + std::string(100000, 'q') + "123 ok}";
    EXPECT_EQ(Text(longWord), "ok");
    const std::string huge = "{\\rtf1 \\u" + std::string(5000, '9') + "?}";
    EXPECT_EQ(Text(huge).size(), 1u);
    EXPECT_EQ(Text("{\\rtf1 \\u-99999999999999999999?}").size(), 1u);
}
