// Text beyond the code page (Windows-1252 in the native build) on its whole road: a cut
// becomes an item, the item a record in a collection file and an item again, and the item a
// paste. Code-page text must come out exactly as it always did.
#include <gtest/gtest.h>

#include "app/clip_formats.h"
#include "app/paste_text.h"
#include "fakes/service_fixture.h"
#include "platform/win_constants.h"
#include "qbx_test_files.h"
#include "store/collections.h"
#include "store/qbx_records.h"
#include "store/rtf_text.h"
#include "store/wide_text.h"

namespace {

struct Case {
    const char* what;
    std::u16string cut;
    std::string narrow; // what a reader of 8-bit text gets
    bool keepsWide;
};

const Case kCases[] = {
    {"Greek", u"\u039A\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1", "????????", true},
    {"CJK", u"\u65E5\u672C\u8A9E", "???", true},
    {"emoji", u"ok \U0001F600!", "ok ?!", true},
    {"mixed", u"Gr\u00FC\u00DFe \u2014 \u65E5 \u2713",
     "Gr\xFC\xDF"
     "e \x97 ? ?",
     true},
    {"ASCII", u"plain words", "plain words", false},
    {"code page", u"caf\u00E9 \u20AC\u2019", "caf\xE9 \x80\x92", false},
};

// One record through the writer, as the bytes it wrote.
Bytes RecordBytes(const TempProgramFolder& dir, CClipItem& item) {
    const std::string path = dir.Path("record.bin");
    FilePtr f(std::fopen(path.c_str(), "wb"));
    QbxWriter out(f.get());
    EXPECT_TRUE(WriteItemRecord(out, item));
    f.reset();
    return ReadAll(path);
}

std::u16string Units(const std::vector<uint8_t>& block) {
    std::u16string out;
    for (size_t i = 0; i + 1 < block.size(); i += 2)
        out += static_cast<char16_t>(block[i] | block[i + 1] << 8);
    return out.substr(0, out.find(u'\0'));
}

class UnicodeRoadTest : public ServiceFixture {
protected:
    TempProgramFolder dir;
    void SetUp() override {
        ServiceFixture::SetUp();
        ASSERT_TRUE(service.Create(kFrame));
    }
};

TEST_F(UnicodeRoadTest, CutFileAndPasteKeepTheTextWhole) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        clipboard.Clear();
        clipboard.OfferWide(c.cut);
        clock.tick += 600;
        service.OnDrawClipboard(0, 0);
        ASSERT_FALSE(service.m_activeList.empty());
        CClipItem& cut = *service.m_activeList.front();
        EXPECT_EQ(cut.text, c.narrow);
        EXPECT_EQ(cut.wideText, c.keepsWide ? c.cut : u"");

        const Bytes record = RecordBytes(dir, cut);
        auto before = CClipItem::FromText(c.narrow); // as the 8-bit writer always wrote it
        EXPECT_EQ(record == RecordBytes(dir, *before), !c.keepsWide);

        CClipItem read;
        WriteAll(dir.Path("record.bin"), record);
        FilePtr f = OpenForReading(dir.Path("record.bin"));
        QbxReader in(f.get());
        ASSERT_TRUE(ReadItemRecord(in, read, RecordContent::Keep));
        EXPECT_EQ(read.text, c.narrow);
        EXPECT_EQ(read.wideText, cut.wideText);
        EXPECT_EQ(read.ShownWideCaption(), c.keepsWide ? c.cut : u"");

        service.PasteText(read.text, read.html, read.type, PASTE_NONE, read.wideText);
        const bool wide = clipboard.formats.count(win::CF_UNICODETEXT);
        EXPECT_EQ(wide ? Units(clipboard.formats[win::CF_UNICODETEXT]) : u"none",
                  c.keepsWide ? c.cut : u"none");
        EXPECT_EQ(clipboard.formats[win::CF_TEXT], TextBlock(c.narrow));
    }
}

TEST_F(UnicodeRoadTest, CutsThatDifferOnlyBeyondTheCodePageStayApart) {
    for (const char16_t* cut : {u"\u65E5 x", u"\u672C x", u"\u65E5 x"}) {
        clipboard.Clear();
        clipboard.OfferWide(cut);
        clock.tick += 600;
        service.OnDrawClipboard(0, 0);
    }
    ASSERT_EQ(service.m_activeList.size(), 2u);
    EXPECT_EQ(service.m_activeList.front()->wideText, u"\u65E5 x");
}

} // namespace

TEST(WideText, CaseRichTextAndUtf8) {
    EXPECT_EQ(ApplyTextVariant(std::string("Gr\xF6\xDF"
                                           "e caf\xE9 \xC6r\xF8"),
                               PASTE_UPPER),
              "GR\xD6\xDF"
              "E CAF\xC9 \xC6R\xD8");
    EXPECT_EQ(ApplyTextVariant(std::u16string(u"\u039A\u03B1\u03BB\u03CC \u00C9"), PASTE_LOWER),
              u"\u03BA\u03B1\u03BB\u03CC \u00E9");
    EXPECT_EQ(ApplyTextVariant(std::u16string(u"a\n\U0001F600\r"), PASTE_UNIX), u"a\r\n\U0001F600");
    // \uN names a character; a negative N counts from 65536 (the second unit of an emoji).
    EXPECT_EQ(RtfPlainWide("{\\rtf1 \\'e9\\u26085?\\u-10179?\\u-8704?}"),
              u"\u00E9\u65E5\U0001F600");
    std::u16string wide;
    EXPECT_TRUE(WideFromUtf8("\xC3\xA9\xE6\x97\xA5\xF0\x9F\x98\x80", wide));
    EXPECT_EQ(wide, u"\u00E9\u65E5\U0001F600");
    EXPECT_EQ(Utf8FromWide(wide), "\xC3\xA9\xE6\x97\xA5\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf8FromWide(u"\xDC00\xDC01"), "\xEF\xBF\xBD\xEF\xBF\xBD") << "lone low halves";
    EXPECT_EQ(Utf8FromWide(u"\U00010000"), "\xF0\x90\x80\x80") << "the lowest pair";
    EXPECT_FALSE(WideFromUtf8("a\xE9z\xC0\x80", wide)) << "Latin-1 and overlong bytes";
    EXPECT_EQ(wide, u"a\uFFFDz\uFFFD\uFFFD");
}
