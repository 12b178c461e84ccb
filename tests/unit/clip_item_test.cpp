#include "store/clip_item.h"

#include "fakes/fake_data_offer.h"
#include "qbx_test_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

namespace {

// Exactly as long as `bytes`, so that a read past the end trips the sanitizer.
Bytes Block(const std::string& bytes) {
    return Bytes(bytes.begin(), bytes.end());
}

std::unique_ptr<CClipItem> Files(const Bytes& b, bool wide) {
    return CClipItem::FromFileList(b.data(), b.size(), wide);
}

} // namespace

// An edit keeps the caption, rebuilds size and preview from the plain text, and leaves the
// collection file: the content is now in memory.
TEST(ClipItem, AnEditRebuildsSizeAndPreviewAndLeavesTheFile) {
    auto rich = CClipItem::FromRtf("{\\rtf1 old}");
    rich->caption = "Renamed";
    rich->fileOffset = 99;
    rich->SetContentText("{\\rtf1 new\\tab text\\par}");
    // The size is that of "new\ttext\r\n".
    EXPECT_EQ(std::make_tuple(rich->caption, rich->size, rich->preview, rich->fileOffset),
              std::make_tuple("Renamed", 10u, "new text", 0u));
}

TEST(ClipItem, FileListsNameTheFirstFileAndStayInsideTheirBlock) {
    const struct {
        Bytes block;
        bool wide;
        const char* text;
        const char* caption;
    } cases[] = {
        {Block(std::string("C:\\a\\x.txt\0C:\\a\\y.txt\0C:\\a\\z.txt\0\0", 34)), false,
         "C:\\a\\x.txt\r\nC:\\a\\y.txt\r\nC:\\a\\z.txt\r\n", "x.txt + 2 files"},
        {Block(std::string("C:\\a\\x.txt\0C:\\b\0\0", 17)), false, "C:\\a\\x.txt\r\nC:\\b\r\n",
         "x.txt + 1 file"},
        {Block(std::string("C:\\dir\\\0\0", 9)), false, "C:\\dir\\\r\n", "C:\\dir\\"},
        {Block(std::string("noslash\0\0", 9)), false, "noslash\r\n", "noslash"},
        // No terminating empty path and no final NUL: the cut path is kept, nothing more read.
        {Block("C:\\one"), false, "C:\\one\r\n", "one"},
        {Bytes(), false, "", ""},
        {Utf16Bytes(std::u16string(u"C:\\\u0414\u043E\u043A\\f.doc\0D:\\g\0\0", 19)), true,
         "C:\\???\\f.doc\r\nD:\\g\r\n", "f.doc + 1 file"},
        {Block(std::string("C\0:\0\\\0a\0Z", 9)), true, "C:\\a\r\n", "a"}, // an odd byte: no unit
    };
    for (const auto& c : cases) {
        auto item = Files(c.block, c.wide);
        EXPECT_EQ(std::make_tuple(item->text, item->caption, item->type, item->size),
                  std::make_tuple(c.text, c.caption, c.wide ? CLIP_FILES_WIDE : CLIP_FILES,
                                  uint32_t(std::strlen(c.text))));
    }
    EXPECT_EQ(Files(Block(std::string("a\0b\0\0", 5)), false)->preview, "a\r\nb");
    EXPECT_EQ(CClipItem::FromFileList(nullptr, 0, true)->text, "");

    auto wideList =
        Files(Utf16Bytes(std::u16string(u"C:\\\u0414\u043E\u043A\\f.doc\0D:\\g\0\0", 19)), true);
    EXPECT_EQ(wideList->wideText, u"C:\\\u0414\u043E\u043A\\f.doc\r\nD:\\g\r\n");
    auto named = Files(Utf16Bytes(u"C:\\\u65E5\u672C 0123456789012345678901234567890.txt"), true);
    EXPECT_EQ(named->ShownWideCaption(), u"\u65E5\u672C 0123456789012345678901234567890.txt")
        << "a file's name is its caption, however long";
    named->caption = "renamed";
    EXPECT_EQ(named->ShownWideCaption(), u"") << "a rename outdates the wide caption";
    const std::u16string longPath = u"C:\\" + std::u16string(300, u'p');
    auto cut = Files(Utf16Bytes(longPath + std::u16string(u"\0E:\\e\0\0", 7)), true);
    EXPECT_EQ(cut->text, "C:\\" + std::string(257, 'p') + "\r\nE:\\e\r\n");
}

TEST(ClipItem, BitmapCounterNumbersOneTo200AndACopyLeavesFileAndChildrenBehind) {
    uint8_t counter = 199;
    auto original = CClipItem::FromDib(InfoDib(2, 2, 24, 56), counter);
    EXPECT_EQ(std::make_tuple(original->caption, counter, original->size),
              std::make_tuple("Bitmap 200 (2x2x16M) 24 bits True Color", uint8_t(0), 56u));
    CClipItem owner;
    original->owner = &owner;
    original->fileOffset = 1234;
    original->SetHtml("<b>x</b>");
    original->children.push_back(CClipItem::FromText("child"));

    CClipItem copy(*original);
    original->dib[40] = 0x77;
    EXPECT_EQ(std::make_tuple(copy.dib[40], copy.fileOffset, copy.children.size(), copy.owner,
                              copy.caption, copy.flags),
              std::make_tuple(uint8_t(40), 0u, size_t(0), &owner, original->caption,
                              uint16_t(CLIP_HAS_HTML)));
}

TEST(ClipItem, HtmlFlagFollowsTheHtml) {
    auto item = CClipItem::FromText("t");
    FakeDataOffer offer;
    for (const auto& [block, html] :
         {std::pair<std::string, std::string>{std::string("<p>x</p>\0garbage", 16), "<p>x</p>"},
          {"no terminator", "no terminator"},
          {std::string("\0<p>", 4), ""}}) {
        offer.blocks[49300] = Block(block);
        item->AttachHtml(offer, 49300);
        EXPECT_EQ(std::make_pair(item->html, item->HasHtml()), std::make_pair(html, !html.empty()));
    }
    item->SetHtml("x");
    item->AttachHtml(offer, 12345); // absent format
    EXPECT_FALSE(item->HasHtml());
}

TEST(ClipItem, KindDecidesTextLikenessExtensionAndPreviewSize) {
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
        if (c.textLike || c.type == CLIP_COLLECTION) {
            EXPECT_EQ(item.GetPreviewSize(), (PixelSize{240, 160})) << c.type;
        }
    }
    // A picture is previewed at its own size up to 240 x 160; larger ones at 240 x 160, and
    // unusable ones as a 32 x 32 placeholder.
    const struct {
        Bytes dib;
        PixelSize size;
    } pictures[] = {
        {InfoDib(240, 160, 24, 56), {240, 160}},
        {InfoDib(241, 10, 24, 56), {240, 160}},
        {InfoDib(10, 161, 24, 56), {240, 160}},
        {InfoDib(10, -12, 24, 56), {10, 12}},
        {InfoDib(1, 1, 24, 56), {1, 1}},
        {InfoDib(0, 5, 24, 56), {32, 32}},
        {InfoDib(5, -2147483647 - 1, 24, 56), {32, 32}},
        {Bytes(30, 0), {32, 32}},
    };
    for (const auto& c : pictures) {
        CClipItem item;
        item.type = CLIP_BITMAP;
        item.dib = c.dib;
        const PixelSize got = item.GetPreviewSize();
        EXPECT_EQ(got, c.size) << got.cx << " x " << got.cy;
    }
}

TEST(BitmapDrawRect, ShrinksToFitKeepingAspectAndCentres) {
    const PixelRect box{10, 20, 250, 180}; // 240 x 160
    const struct {
        int w, h;
        PixelRect rect;
    } cases[] = {
        {100, 50, {80, 75, 180, 125}},
        {100, -50, {80, 75, 180, 125}}, // a top-down DIB is placed like a bottom-up one
        {480, 160, {10, 60, 250, 140}},
        {100, 320, {105, 20, 155, 180}},
        {480, 480, {50, 20, 210, 180}}, // too wide first, then still too tall
        {0, 0, {130, 100, 130, 100}},
        {1, 100000, {130, 20, 130, 180}},
        {2147483647, 2147483647, {50, 20, 210, 180}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BitmapDrawRect(c.w, c.h, box), c.rect) << c.w << " x " << c.h;
    EXPECT_EQ(BitmapDrawRect(50, 50, PixelRect{10, 10, 5, 5}), (PixelRect{10, 10, 10, 10}));
}
