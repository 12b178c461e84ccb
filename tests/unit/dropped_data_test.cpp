#include "app/dropped_data.h"

#include <gtest/gtest.h>

#include "fakes/fake_data_offer.h"
#include "unit/qbx_test_files.h"
#include "platform/win_constants.h"
#include "store/collections.h"

namespace {

constexpr RegisteredFormats kFormats{0xC0A1, 0xC0A2};

class DroppedData : public ::testing::Test {
protected:
    DroppedData() {
        prefs.m_dwOptions |= OPT_INSERT_HEAD | OPT_FMT_TEXT | OPT_FMT_RTF | OPT_FMT_HTML;
        prefs.m_dwOptions &= ~(OPT_FMT_FILES | OPT_FMT_BITMAP);
    }
    size_t Drop() { return AddDroppedData(offer, kFormats, prefs, active); }

    CPreferences prefs;
    ClipList active;
    FakeDataOffer offer;
};

} // namespace

TEST_F(DroppedData, FileListsWhateverTheFormatOptions) {
    offer.blocks[win::CF_HDROP] = FileDropBlock({"C:\\a\\x.txt", "C:\\a\\y.txt"}, true);
    EXPECT_EQ(Drop(), 1u);
    ASSERT_EQ(active.size(), 1u);
    EXPECT_EQ(active[0]->type, CLIP_FILES_WIDE);
    EXPECT_EQ(active[0]->text, "C:\\a\\x.txt\r\nC:\\a\\y.txt\r\n");

    offer.blocks[win::CF_HDROP] = FileDropBlock({"C:\\b.doc"}, false);
    EXPECT_EQ(Drop(), 1u);
    EXPECT_EQ(active[0]->type, CLIP_FILES);
    EXPECT_EQ(active[0]->text, "C:\\b.doc\r\n");

    // Broken headers add nothing.
    offer.blocks[win::CF_HDROP][0] = 200; // list offset past the end of the block
    EXPECT_EQ(Drop(), 0u);
    offer.blocks[win::CF_HDROP] = {1, 2, 3};
    EXPECT_EQ(Drop(), 0u);
    EXPECT_EQ(active.size(), 2u);
}

TEST_F(DroppedData, RichTextWinsOverTextAndTakesTheHtml) {
    offer.SetText(kFormats.rtf, "{\\rtf1 Rich words}");
    offer.SetWideText(win::CF_UNICODETEXT, u"Rich words");
    offer.SetText(kFormats.html, "<b>Rich</b> words");
    EXPECT_EQ(Drop(), 1u);
    ASSERT_EQ(active.size(), 1u);
    EXPECT_EQ(active[0]->type, CLIP_RTF);
    EXPECT_EQ(active[0]->html, "<b>Rich</b> words");
    EXPECT_TRUE(active[0]->HasHtml());

    prefs.m_dwOptions &= ~OPT_FMT_RTF;
    offer.SetWideText(win::CF_UNICODETEXT, u"Other words");
    EXPECT_EQ(Drop(), 1u);
    EXPECT_EQ(active[0]->type, CLIP_TEXT);
    EXPECT_EQ(active[0]->text, "Other words");
}

TEST_F(DroppedData, BitmapReplacesAnEqualOneAndIsMarkedWithHtml) {
    const Bytes dib = MakeDib(2, 2);
    uint8_t counter = 0;
    active.push_back(CClipItem::FromDib(dib, counter));
    offer.blocks[win::CF_DIB] = dib;
    offer.SetText(kFormats.html, "<img>");
    prefs.m_nBitmapCounter = 41;
    EXPECT_EQ(Drop(), 1u);
    ASSERT_EQ(active.size(), 1u);
    EXPECT_EQ(active[0]->type, CLIP_BITMAP);
    EXPECT_EQ(active[0]->dib, dib);
    EXPECT_EQ(prefs.m_nBitmapCounter, 42);
    EXPECT_EQ(active[0]->caption.substr(active[0]->caption.size() - 7), " + HTML");

    prefs.m_dwOptions &= ~OPT_FMT_HTML;
    offer.blocks[win::CF_DIB][20] = 1; // another picture
    EXPECT_EQ(Drop(), 1u);
    ASSERT_EQ(active.size(), 2u);
    EXPECT_FALSE(active[0]->HasHtml());
    EXPECT_EQ(active[0]->caption.find("HTML"), std::string::npos);
}
