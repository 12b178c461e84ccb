#include "store/clip_item.h"

#include "platform/data_offer.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Exactly `bytes` long, so that a read past the end trips the sanitizer.
std::vector<uint8_t> Block(const std::string& bytes) {
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

std::vector<uint8_t> WideBlock(const std::u16string& units) {
    std::vector<uint8_t> b;
    for (char16_t u : units) {
        b.push_back(static_cast<uint8_t>(u));
        b.push_back(static_cast<uint8_t>(u >> 8));
    }
    return b;
}

std::unique_ptr<CClipItem> Files(const std::vector<uint8_t>& b, bool wide) {
    return CClipItem::FromFileList(b.data(), b.size(), wide);
}

std::vector<uint8_t> Dib24(int w, int h) {
    std::vector<uint8_t> b(40 + 4 * 4, 0);
    b[0] = 40;
    b[4] = static_cast<uint8_t>(w);
    b[8] = static_cast<uint8_t>(h);
    b[12] = 1;
    b[14] = 24;
    return b;
}

class OfferStub : public IDataOffer {
public:
    std::map<unsigned, std::vector<uint8_t>> formats;
    bool IsFormatAvailable(unsigned f) const override { return formats.count(f) != 0; }
    bool GetData(unsigned f, std::vector<uint8_t>& data) const override {
        auto it = formats.find(f);
        if (it == formats.end())
            return false;
        data = it->second;
        return true;
    }
};

} // namespace

TEST(ClipItem, TextItemDerivesCaptionPreviewAndSize) {
    auto item = CClipItem::FromText("  first line\r\n\r\n\r\nsecond\t");
    EXPECT_EQ(item->type, CLIP_TEXT);
    EXPECT_EQ(item->text, "  first line\r\n\r\n\r\nsecond\t");
    EXPECT_EQ(item->caption, "first line second ");
    EXPECT_EQ(item->preview, "first line\r\n\r\nsecond");
    EXPECT_EQ(item->size, 25u);
    EXPECT_EQ(item->flags, 0);
    EXPECT_EQ(item->fileOffset, 0u);
}

TEST(ClipItem, RichTextKeepsSourceAndShowsItsPlainText) {
    const std::string rtf = "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 Hello\\par World}";
    auto item = CClipItem::FromRtf(rtf);
    EXPECT_EQ(item->type, CLIP_RTF);
    EXPECT_EQ(item->text, rtf);
    EXPECT_EQ(item->caption, "Hello World");
    EXPECT_EQ(item->preview, "Hello\r\nWorld");
    EXPECT_EQ(item->size, 12u); // the plain text's length
    // Source that does not read stands for itself.
    auto broken = CClipItem::FromRtf("{\\rtf1 abc");
    EXPECT_EQ(broken->caption, "{\\rtf1 abc");
    EXPECT_EQ(broken->size, 10u);
}

TEST(ClipItem, WideTextGoesThroughTheCodePageUpToItsNul) {
    auto item = CClipItem::FromWideText(std::u16string(u"\u041F\u0440\u0438 x\0tail", 10));
    EXPECT_EQ(item->type, CLIP_TEXT);
    EXPECT_EQ(item->text, "??? x");
    EXPECT_EQ(item->wideText, u"\u041F\u0440\u0438 x");
    EXPECT_EQ(item->caption, "??? x");
    EXPECT_EQ(item->ShownWideCaption(), u"\u041F\u0440\u0438 x");
    item->caption = "renamed";
    EXPECT_EQ(item->ShownWideCaption(), u"") << "a rename outdates the wide caption";
}

TEST(ClipItem, FileListCaptionNamesTheFirstFileAndCountsTheRest) {
    auto three =
        Files(Block(std::string("C:\\a\\x.txt\0C:\\a\\y.txt\0C:\\a\\z.txt\0\0", 34)), false);
    EXPECT_EQ(three->type, CLIP_FILES);
    EXPECT_EQ(three->caption, "x.txt + 2 files");
    EXPECT_EQ(three->text, "C:\\a\\x.txt\r\nC:\\a\\y.txt\r\nC:\\a\\z.txt\r\n");
    EXPECT_EQ(three->size, three->text.size());
    EXPECT_EQ(three->preview, "C:\\a\\x.txt\r\nC:\\a\\y.txt\r\nC:\\a\\z.txt");

    EXPECT_EQ(Files(Block(std::string("C:\\a\\x.txt\0C:\\b\0\0", 17)), false)->caption,
              "x.txt + 1 file");
    EXPECT_EQ(Files(Block(std::string("C:\\dir\\\0\0", 9)), false)->caption, "C:\\dir\\");
    EXPECT_EQ(Files(Block(std::string("noslash\0\0", 9)), false)->caption, "noslash");
}

TEST(ClipItem, FileListReadingStaysInsideTheBlock) {
    // No terminating empty path and no final NUL: the cut path is kept, nothing more read.
    auto cut = Files(Block("C:\\one"), false);
    EXPECT_EQ(cut->text, "C:\\one\r\n");
    auto empty = Files(std::vector<uint8_t>(), false);
    EXPECT_EQ(empty->text, "");
    EXPECT_EQ(CClipItem::FromFileList(nullptr, 0, true)->text, "");

    auto wideCut = WideBlock(u"C:\\a");
    wideCut.push_back('Z'); // an odd byte belongs to no unit
    auto w = Files(wideCut, true);
    EXPECT_EQ(w->type, CLIP_FILES_WIDE);
    EXPECT_EQ(w->text, "C:\\a\r\n");
}

TEST(ClipItem, WideFileListKeepsItsPathsAndCutsLongOnes) {
    auto item =
        Files(WideBlock(std::u16string(u"C:\\\u0414\u043E\u043A\\f.doc\0D:\\g\0\0", 19)), true);
    EXPECT_EQ(item->text, "C:\\???\\f.doc\r\nD:\\g\r\n");
    EXPECT_EQ(item->wideText, u"C:\\\u0414\u043E\u043A\\f.doc\r\nD:\\g\r\n");
    EXPECT_EQ(item->caption, "f.doc + 1 file");
    auto named = Files(WideBlock(u"C:\\\u65E5\u672C 0123456789012345678901234567890.txt"), true);
    EXPECT_EQ(named->ShownWideCaption(), u"\u65E5\u672C 0123456789012345678901234567890.txt")
        << "a file's name is its caption, however long";

    const std::u16string longPath = u"C:\\" + std::u16string(300, u'p');
    auto cut = Files(WideBlock(longPath + std::u16string(u"\0E:\\e\0\0", 7)), true);
    EXPECT_EQ(cut->text, "C:\\" + std::string(257, 'p') + "\r\nE:\\e\r\n");
}

TEST(ClipItem, BitmapCounterNumbersOneTo200) {
    uint8_t counter = 0;
    EXPECT_EQ(CClipItem::FromDib(Dib24(4, 2), counter)->caption,
              "Bitmap 001 (4x2x16M) 24 bits True Color");
    EXPECT_EQ(counter, 1);
    counter = 199;
    auto bmp = CClipItem::FromDib(Dib24(3, 3), counter);
    EXPECT_EQ(bmp->caption.substr(0, 12), "Bitmap 200 (");
    EXPECT_EQ(counter, 0);
    EXPECT_EQ(CClipItem::FromDib(Dib24(3, 3), counter)->caption.substr(0, 12), "Bitmap 001 (");
    EXPECT_EQ(bmp->type, CLIP_BITMAP);
    EXPECT_EQ(bmp->size, 56u);
    EXPECT_EQ(bmp->dib.size(), 56u);
    EXPECT_TRUE(bmp->text.empty());
    EXPECT_TRUE(bmp->preview.empty());
}

TEST(ClipItem, CopyOwnsItsOwnDibAndLeavesFileAndChildrenBehind) {
    uint8_t counter = 0;
    auto original = CClipItem::FromDib(Dib24(2, 2), counter);
    CClipItem owner;
    original->owner = &owner;
    original->fileOffset = 1234;
    original->SetHtml("<b>x</b>");
    original->children.push_back(CClipItem::FromText("child"));

    CClipItem copy(*original);
    original->dib[40] = 0x77;
    EXPECT_EQ(copy.dib[40], 0);
    EXPECT_EQ(copy.fileOffset, 0u);
    EXPECT_TRUE(copy.children.empty());
    EXPECT_EQ(copy.owner, &owner);
    EXPECT_EQ(copy.caption, original->caption);
    EXPECT_EQ(copy.flags, CLIP_HAS_HTML);
    EXPECT_EQ(copy.size, original->size);
}

TEST(ClipItem, SetContentTextRebuildsSizeAndPreviewButKeepsTheCaption) {
    auto item = CClipItem::FromRtf("{\\rtf1 old}");
    item->caption = "Renamed";
    item->fileOffset = 99;
    item->SetContentText("{\\rtf1 new\\tab text\\par}");
    EXPECT_EQ(item->caption, "Renamed");
    EXPECT_EQ(item->size, 10u); // "new\ttext\r\n"
    EXPECT_EQ(item->preview, "new text");
    EXPECT_EQ(item->fileOffset, 0u);

    auto text = CClipItem::FromText("a");
    text->SetContentText("\tplay.wav\r\n");
    EXPECT_EQ(text->size, 11u);
    EXPECT_EQ(text->preview, "play.wav");
}

TEST(ClipItem, HtmlFlagFollowsTheHtml) {
    auto item = CClipItem::FromText("t");
    OfferStub offer;
    offer.formats[49300] = Block(std::string("Version:0.9\r\n<p>x</p>\0garbage", 29));
    item->AttachHtml(offer, 49300);
    EXPECT_EQ(item->html, "Version:0.9\r\n<p>x</p>");
    EXPECT_TRUE(item->HasHtml());

    offer.formats[49300] = Block("no terminator");
    item->AttachHtml(offer, 49300);
    EXPECT_EQ(item->html, "no terminator");

    offer.formats[49300] = Block(std::string("\0<p>", 4));
    item->AttachHtml(offer, 49300);
    EXPECT_FALSE(item->HasHtml());
    EXPECT_TRUE(item->html.empty());

    item->SetHtml("x");
    item->AttachHtml(offer, 12345); // absent format
    EXPECT_FALSE(item->HasHtml());
}

TEST(ClipItem, KindDecidesTextLikenessAndExtension) {
    const struct {
        uint16_t type;
        bool textLike;
        const char* ext;
    } cases[] = {
        {CLIP_TEXT, true, ".txt"}, {CLIP_FILES, true, ".txt"},   {CLIP_FILES_WIDE, true, ".txt"},
        {CLIP_RTF, true, ".rtf"},  {CLIP_BITMAP, false, ".bmp"}, {CLIP_COLLECTION, false, ".bmp"},
        {2, false, ".bmp"}};
    for (const auto& c : cases) {
        CClipItem item;
        item.type = c.type;
        EXPECT_EQ(item.IsTextLike(), c.textLike) << c.type;
        EXPECT_STREQ(item.GetFileExtension(), c.ext) << c.type;
    }
}

TEST(ClipItem, IconIndexCombinesKindHtmlAndCaptionMarks) {
    const std::string sched = " <08:30,*,*,* *:* *:*,* *:*,*,*,* 01>";
    const std::string noStart = " <*:*,*,*,* *:* *:*,* *:*,*,*,* 03>";
    const struct {
        uint16_t type;
        const char* caption;
        bool html;
        int index;
    } cases[] = {
        {CLIP_TEXT, "plain", false, 3},
        {CLIP_TEXT, "", false, 3},
        {CLIP_RTF, "doc", false, 7},
        {CLIP_RTF, "doc", true, 11},
        {CLIP_FILES, "f", false, 19},
        {CLIP_FILES_WIDE, "f", false, 19},
        {CLIP_BITMAP, "Bitmap 001", false, 15},
        {CLIP_COLLECTION, "Work", false, 15},
        {CLIP_TEXT, "+1 count %u+", false, 4},
        {CLIP_TEXT, "+only at start", false, 3},
        {CLIP_TEXT, "+counter+", true, 12},
    };
    for (const auto& c : cases) {
        CClipItem item;
        item.type = c.type;
        item.caption = c.caption;
        if (c.html)
            item.SetHtml("<p>");
        EXPECT_EQ(item.GetIconIndex(), c.index) << c.caption;
    }
    CClipItem media;
    media.caption = "News" + sched; // MCI player, start set
    EXPECT_EQ(media.GetIconIndex(), 26);
    media.caption = "Clock" + noStart; // external program, no start time
    EXPECT_EQ(media.GetIconIndex(), 5);
    media.type = CLIP_FILES;
    EXPECT_EQ(media.GetIconIndex(), 21);
    media.SetHtml("<p>");
    EXPECT_EQ(media.GetIconIndex(), 13);
}

TEST(BitmapDrawRect, ShrinksToFitKeepingAspectAndCentres) {
    const PixelRect box{10, 20, 250, 180}; // 240 x 160
    EXPECT_EQ(BitmapDrawRect(100, 50, box), (PixelRect{80, 75, 180, 125}));
    EXPECT_EQ(BitmapDrawRect(480, 160, box), (PixelRect{10, 60, 250, 140}));
    EXPECT_EQ(BitmapDrawRect(100, 320, box), (PixelRect{105, 20, 155, 180}));
    // Too wide first, then still too tall.
    EXPECT_EQ(BitmapDrawRect(480, 480, box), (PixelRect{50, 20, 210, 180}));
    // A top-down DIB is placed like a bottom-up one.
    EXPECT_EQ(BitmapDrawRect(100, -50, box), BitmapDrawRect(100, 50, box));
}

TEST(BitmapDrawRect, DegenerateSizesStayInsideTheBox) {
    const PixelRect box{0, 0, 240, 160};
    EXPECT_EQ(BitmapDrawRect(0, 0, box), (PixelRect{120, 80, 120, 80}));
    EXPECT_EQ(BitmapDrawRect(1, 100000, box), (PixelRect{120, 0, 120, 160}));
    const PixelRect r = BitmapDrawRect(2147483647, 2147483647, box);
    EXPECT_EQ(r, (PixelRect{40, 0, 200, 160}));
    EXPECT_EQ(BitmapDrawRect(50, 50, PixelRect{10, 10, 5, 5}), (PixelRect{10, 10, 10, 10}));
}
