// What a dragged item offers, and the text blocks that pastes share with it.
#include <gtest/gtest.h>

#include <map>

#include "app/clip_formats.h"
#include "app/drag_data.h"
#include "app/paste_text.h"
#include "platform/win_constants.h"
#include "qbx_test_files.h"
#include "store/collection_file.h"
#include "store/collections.h"

namespace {

constexpr unsigned kRtf = 0xC0A1;
constexpr unsigned kHtml = 0xC0A2;

std::string AsText(const std::vector<uint8_t>& block) {
    EXPECT_FALSE(block.empty());
    EXPECT_EQ(block.empty() ? 1 : block.back(), 0) << "text blocks end in NUL";
    return block.empty() ? std::string() : std::string(block.begin(), block.end() - 1);
}

Bytes Header(uint32_t x, uint32_t y, bool wide) {
    Bytes b;
    for (uint32_t v : {20u, x, y, 1u, wide ? 1u : 0u})
        AppendU32(b, v);
    return b;
}

class DragDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_cfRtf = kRtf;
        g_cfHtml = kHtml;
    }
    void TearDown() override { g_cfRtf = g_cfHtml = 0; }
    // What is offered in one line: the format's name, then a text block's text (its NUL
    // checked) or a DIB's bytes; "none" when nothing is.
    std::string Offered(bool rendered) const {
        const std::map<unsigned, std::string> names = {{win::CF_TEXT, "text"},
                                                       {kRtf, "rtf"},
                                                       {kHtml, "html"},
                                                       {win::CF_DIB, "dib"},
                                                       {win::CF_UNICODETEXT, "unicode"},
                                                       {win::CF_HDROP, "hdrop"}};
        if (!rendered)
            return "none";
        const std::string name = names.count(out.format) ? names.at(out.format) : "?";
        if (out.format == win::CF_DIB)
            return name + " " + std::string(out.block.begin(), out.block.end());
        return name == "unicode" || name == "hdrop" ? name : name + " " + AsText(out.block);
    }
    std::string Drag(const CClipItem& item, int32_t variant) {
        return Offered(RenderDragData(item, variant, 0, 0, out));
    }
    RenderedData out;
};

TEST_F(DragDataTest, FileListBlocksNarrowAndWide) {
    const std::string list = "C:\\one.txt\r\n\r\nC:\\two\r\n";
    ASSERT_TRUE(RenderText(list, CLIP_FILES, PASTE_NONE, 10, -3, out));
    EXPECT_EQ(out.format, win::CF_HDROP);
    Bytes want = Header(10, uint32_t(-3), false);
    Append(want, std::string("C:\\one.txt\0C:\\two\0\0", 19));
    ASSERT_GE(out.block.size(), want.size());
    EXPECT_EQ(Bytes(out.block.begin(), out.block.begin() + want.size()), want);
    for (size_t i = want.size(); i < out.block.size(); ++i)
        EXPECT_EQ(out.block[i], 0) << "padding at " << i;

    // Cyrillic 0xC0 widens to U+0410 in the wide list.
    ASSERT_TRUE(RenderText("C:\\\xC0\r\n", CLIP_FILES_WIDE, PASTE_NONE, 0, 0, out));
    want = Header(0, 0, true);
    for (char16_t u : std::u16string(u"C:\\\u0410\0\0", 6))
        AppendU16(want, u);
    ASSERT_GE(out.block.size(), want.size());
    EXPECT_EQ(Bytes(out.block.begin(), out.block.begin() + want.size()), want);

    EXPECT_FALSE(RenderText("\r\n\r\n", CLIP_FILES, PASTE_NONE, 0, 0, out)) << "no path at all";
    // A plain-text variant hands over the list as text.
    EXPECT_EQ(Offered(RenderText(list, CLIP_FILES, PASTE_UPPER, 0, 0, out)),
              "text C:\\ONE.TXT\r\n\r\nC:\\TWO\r\n");
}

TEST_F(DragDataTest, RichTextAsSourceOrAsPlainText) {
    const std::string rtf = "{\\rtf1 Hello {\\b bold}\\par}";
    EXPECT_EQ(Offered(RenderText(rtf, CLIP_RTF, PASTE_NONE, 0, 0, out)), "rtf " + rtf);
    EXPECT_EQ(Offered(RenderText(rtf, CLIP_RTF, PASTE_UPPER, 0, 0, out)), "text HELLO BOLD\r\n");
    EXPECT_FALSE(RenderText("", CLIP_TEXT, PASTE_NONE, 0, 0, out));
}

TEST_F(DragDataTest, ItemsInMemory) {
    auto text = CClipItem::FromText("some text");
    text->SetHtml("<b>x</b>");
    EXPECT_EQ(Drag(*text, 0), "text some text");
    EXPECT_EQ(Drag(*text, PASTE_HTML), "text <b>x</b>");
    text->wideText = u"\u0410 text"; // beyond the code page: offered as Unicode
    EXPECT_EQ(Drag(*text, 0), "unicode");

    uint8_t counter = 0;
    auto bitmap = CClipItem::FromDib(Bytes(40 + 4, 1), counter);
    EXPECT_EQ(Drag(*bitmap, PASTE_TEXT), "dib " + std::string(44, '\1'));
    bitmap->SetHtml("<img>");
    EXPECT_EQ(Drag(*bitmap, 0), "html <img>") << "a bitmap with html offers the html";
    bitmap->dib.clear();
    bitmap->SetHtml("");
    EXPECT_EQ(Drag(*bitmap, 0), "none");
}

TEST_F(DragDataTest, ItemsInTheirCollectionFile) {
    TempProgramFolder folder;
    ClipList items;
    items.push_back(CClipItem::FromText("stored text"));
    items.back()->SetHtml("<p>stored</p>");
    uint8_t counter = 0;
    items.push_back(CClipItem::FromDib(Bytes(48, 7), counter));
    items.back()->SetHtml("<img src=x>");
    CPreferences prefs;
    ASSERT_TRUE(WriteQbxFile(folder.Path("Ext.qbx"), QbxLayout::Collection, prefs, items));
    auto node = LoadCollection("Ext");
    ASSERT_EQ(node->children.size(), 2u);
    const CClipItem& storedText = *node->children[0];
    const CClipItem& storedBitmap = *node->children[1];
    ASSERT_NE(storedText.fileOffset, 0u);

    EXPECT_EQ(Drag(storedText, PASTE_LOWER), "text stored text");
    EXPECT_EQ(Drag(storedText, PASTE_HTML), "text <p>stored</p>");
    EXPECT_EQ(Drag(storedBitmap, 0), "dib " + std::string(48, '\7')) << "unlike an active item";
    EXPECT_EQ(Drag(storedBitmap, PASTE_HTML), "text <img src=x>");

    CClipItem beyond(storedText);
    beyond.owner = node.get();
    beyond.fileOffset = 100000;
    EXPECT_EQ(Drag(beyond, 0), "text QBX file error");
    std::remove(folder.Path("Ext.qbx").c_str());
    EXPECT_EQ(Drag(storedText, 0), "none") << "no file, nothing offered";
}

} // namespace
