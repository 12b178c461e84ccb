#include "store/collections.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Texts(const ClipList& list) {
    std::vector<std::string> out;
    for (const auto& item : list)
        out.push_back(item->text);
    return out;
}

CPreferences HeadPrefs() {
    CPreferences p;
    p.m_dwOptions = (p.m_dwOptions | OPT_INSERT_HEAD) & ~OPT_INSERT_TAIL;
    return p;
}

CPreferences TailPrefs() {
    CPreferences p;
    p.m_dwOptions &= ~(OPT_INSERT_HEAD | OPT_INSERT_TAIL);
    return p;
}

// What capture does with an admitted text: purge, re-use, insert, trim.
void Capture(ClipList& active, std::unique_ptr<CClipItem> item, CPreferences& prefs) {
    if (auto reused = RemoveDuplicates(active, *item, prefs))
        item = std::move(reused);
    InsertItem(active, std::move(item), prefs);
    TrimToCapacity(active, prefs);
}

ClipList ListOf(const std::vector<std::string>& texts) {
    ClipList list;
    for (const auto& t : texts)
        list.push_back(CClipItem::FromText(t));
    return list;
}

} // namespace

TEST(Capacity, NinthCutDropsTheOldestAtTheFarEnd) {
    CPreferences head = HeadPrefs();
    ClipList active;
    for (int i = 1; i <= 9; ++i)
        Capture(active, CClipItem::FromText("cut " + std::to_string(i)), head);
    ASSERT_EQ(active.size(), 8u);
    EXPECT_EQ(active.front()->text, "cut 9");
    EXPECT_EQ(active.back()->text, "cut 2");

    CPreferences tail = TailPrefs();
    active.clear();
    for (int i = 1; i <= 9; ++i)
        Capture(active, CClipItem::FromText("cut " + std::to_string(i)), tail);
    ASSERT_EQ(active.size(), 8u);
    EXPECT_EQ(active.front()->text, "cut 2");
    EXPECT_EQ(active.back()->text, "cut 9");
    EXPECT_TRUE(tail.m_dwOptions & OPT_INSERT_TAIL);
}

TEST(Capacity, MaxItemsIsClampedBeforeTrimming) {
    CPreferences prefs = HeadPrefs();
    ClipList active = ListOf({"a1", "a2", "a3", "a4"});
    prefs.m_nMaxItems = 1;
    EXPECT_EQ(TrimToCapacity(active, prefs), 2u);
    EXPECT_EQ(prefs.m_nMaxItems, 2);
    EXPECT_EQ(Texts(active), (std::vector<std::string>{"a1", "a2"}));

    prefs.m_nMaxItems = 200;
    ClipList many;
    for (int i = 0; i < 130; ++i)
        many.push_back(CClipItem::FromText("x" + std::to_string(i)));
    EXPECT_EQ(TrimToCapacity(many, prefs), 10u);
    EXPECT_EQ(prefs.m_nMaxItems, 120);
}

TEST(Limits, MinTextSizeAndMaxItemSize) {
    CPreferences prefs;
    prefs.m_nMinTextSize = 0;
    ClampMinTextSize(prefs);
    EXPECT_EQ(prefs.m_nMinTextSize, 1);
    prefs.m_nMinTextSize = 121;
    ClampMinTextSize(prefs);
    EXPECT_EQ(prefs.m_nMinTextSize, 120);

    prefs.m_nMinTextSize = 3;
    prefs.m_nMaxItemSizeKB = 0;
    EXPECT_FALSE(PassesTextLimits(2, prefs));
    EXPECT_TRUE(PassesTextLimits(3, prefs));
    EXPECT_TRUE(PassesTextLimits(50u << 20, prefs));
    prefs.m_nMaxItemSizeKB = 1;
    EXPECT_TRUE(PassesTextLimits(1024, prefs));
    EXPECT_FALSE(PassesTextLimits(1025, prefs));
    EXPECT_FALSE(FitsMaxItemSize(1025, prefs));
    prefs.m_nMaxItemSizeKB = 65535; // no overflow in the KB product
    EXPECT_TRUE(FitsMaxItemSize(65535u * 1024, prefs));
    EXPECT_FALSE(FitsMaxItemSize(65535u * 1024 + 1, prefs));
}

TEST(Duplicates, SameTextTwiceLeavesOneAtTheInsertPosition) {
    CPreferences prefs = HeadPrefs();
    ClipList active = ListOf({"first", "same text", "last"});
    Capture(active, CClipItem::FromText("same text"), prefs);
    EXPECT_EQ(Texts(active), (std::vector<std::string>{"same text", "first", "last"}));

    CPreferences tail = TailPrefs();
    Capture(active, CClipItem::FromText("same text"), tail);
    EXPECT_EQ(Texts(active), (std::vector<std::string>{"first", "last", "same text"}));
}

TEST(Duplicates, EqualLengthButDifferentTextIsKept) {
    CPreferences prefs = HeadPrefs();
    ClipList active = ListOf({"abcd"});
    EXPECT_EQ(RemoveDuplicates(active, *CClipItem::FromText("abce"), prefs), nullptr);
    EXPECT_EQ(active.size(), 1u);
}

TEST(Duplicates, PlainTextOfRichTextBringsTheRichItemForward) {
    CPreferences prefs = HeadPrefs();
    ClipList active;
    active.push_back(CClipItem::FromText("older"));
    active.push_back(CClipItem::FromRtf("{\\rtf1 Hello world}"));
    active.push_back(CClipItem::FromText("oldest"));
    CClipItem* rich = active[1].get();

    Capture(active, CClipItem::FromText("Hello world"), prefs);
    ASSERT_EQ(active.size(), 3u);
    EXPECT_EQ(active.front().get(), rich) << "the Rich Text item itself is re-used";
    EXPECT_EQ(active.front()->type, CLIP_RTF);
    EXPECT_EQ(active[1]->text, "older");
}

TEST(Duplicates, RichTextReplacesAnEqualPlainItem) {
    CPreferences prefs = HeadPrefs();
    ClipList active = ListOf({"Hello world", "other"});
    auto rich = CClipItem::FromRtf("{\\rtf1 Hello world}");
    EXPECT_EQ(RemoveDuplicates(active, *rich, prefs), nullptr);
    EXPECT_EQ(Texts(active), (std::vector<std::string>{"other"}));
}

TEST(Duplicates, RichTextOfSameLengthAndCaptionIsTheSameCut) {
    CPreferences prefs = HeadPrefs();
    ClipList active;
    active.push_back(CClipItem::FromRtf("{\\rtf1\\b Same words}"));
    active.push_back(CClipItem::FromRtf("{\\rtf1\\i Other word}"));
    auto rich = CClipItem::FromRtf("{\\rtf1\\i Same words}");
    RemoveDuplicates(active, *rich, prefs);
    ASSERT_EQ(active.size(), 1u);
    EXPECT_EQ(active[0]->text, "{\\rtf1\\i Other word}");
}

TEST(Duplicates, LoweredLimitsPurgeOnTheNextCut) {
    CPreferences prefs = HeadPrefs();
    prefs.m_nMinTextSize = 1;
    ClipList active = ListOf({"ab", std::string(2000, 'x'), "long enough", "abc"});
    prefs.m_nMinTextSize = 3;
    prefs.m_nMaxItemSizeKB = 1;
    RemoveDuplicates(active, *CClipItem::FromText("new one"), prefs);
    EXPECT_EQ(Texts(active), (std::vector<std::string>{"long enough", "abc"}));
}

TEST(Bitmaps, EqualBitmapsAreRemoved) {
    uint8_t counter = 0;
    std::vector<uint8_t> dib(64, 7), other(64, 7), shorter(63, 7);
    other[63] = 8;
    ClipList active;
    active.push_back(CClipItem::FromDib(dib, counter));
    active.push_back(CClipItem::FromDib(other, counter));
    active.push_back(CClipItem::FromDib(shorter, counter));
    active.push_back(CClipItem::FromText(std::string(64, 7)));
    active.push_back(CClipItem::FromDib(dib, counter));
    RemoveEqualBitmaps(active, dib.data(), dib.size());
    ASSERT_EQ(active.size(), 3u);
    EXPECT_EQ(active[0]->dib, other);
    EXPECT_EQ(active[1]->dib, shorter);
    EXPECT_EQ(active[2]->type, CLIP_TEXT);
}

TEST(Promote, PastedItemMovesToTheInsertPosition) {
    CPreferences head = HeadPrefs();
    ClipList active = ListOf({"a", "b", "c"});
    CClipItem* c = active[2].get();
    EXPECT_TRUE(PromoteItem(active, c, head));
    EXPECT_EQ(Texts(active), (std::vector<std::string>{"c", "a", "b"}));

    CPreferences tail = TailPrefs();
    EXPECT_TRUE(PromoteItem(active, c, tail));
    EXPECT_EQ(Texts(active), (std::vector<std::string>{"a", "b", "c"}));

    auto stranger = CClipItem::FromText("x");
    EXPECT_FALSE(PromoteItem(active, stranger.get(), head));
    EXPECT_EQ(active.size(), 3u);
}

class Drops : public ::testing::Test {
protected:
    void SetUp() override {
        active = ListOf({"a0", "a1", "a2", "a3"});
        auto work = CClipItem::NewCollection("Work");
        for (const char* t : {"w0", "w1", "w2"}) {
            work->children.push_back(CClipItem::FromText(t));
            work->children.back()->owner = work.get();
        }
        collections.push_back(CClipItem::NewCollection("Other"));
        collections.push_back(std::move(work));
    }
    CClipItem* Work() { return collections[1].get(); }

    ClipList active;
    ClipList collections;
};

TEST_F(Drops, WithinOneListDownwardLandsAfterUpwardBefore) {
    // a0 dragged down onto a2: after it.
    EXPECT_TRUE(DropOnItem(active, active[0].get(), 0, active[2].get(), 2, false));
    EXPECT_EQ(Texts(active), (std::vector<std::string>{"a1", "a2", "a0", "a3"}));
    // a3 dragged up onto a1: before it.
    EXPECT_TRUE(DropOnItem(active, active[3].get(), 3, active[0].get(), 0, false));
    EXPECT_EQ(Texts(active), (std::vector<std::string>{"a3", "a1", "a2", "a0"}));

    ClipList& work = Work()->children;
    EXPECT_TRUE(DropOnItem(active, work[0].get(), 0, work[1].get(), 1, false));
    EXPECT_EQ(Texts(work), (std::vector<std::string>{"w1", "w0", "w2"}));
    EXPECT_TRUE(Work()->flags & CLIP_MODIFIED);
}

TEST_F(Drops, AcrossListsLandsBeforeAndChangesOwner) {
    CClipItem* w2 = Work()->children[2].get();
    EXPECT_TRUE(DropOnItem(active, w2, 2, active[3].get(), 3, false));
    EXPECT_EQ(Texts(active), (std::vector<std::string>{"a0", "a1", "a2", "w2", "a3"}));
    EXPECT_EQ(w2->owner, nullptr);
    EXPECT_TRUE(Work()->flags & CLIP_MODIFIED);

    Work()->flags = 0;
    CClipItem* a0 = active[0].get();
    EXPECT_TRUE(DropOnItem(active, a0, 0, Work()->children[1].get(), 1, false));
    EXPECT_EQ(Texts(Work()->children), (std::vector<std::string>{"w0", "a0", "w1"}));
    EXPECT_EQ(a0->owner, Work());
    EXPECT_TRUE(Work()->flags & CLIP_MODIFIED);
    EXPECT_EQ(active.size(), 4u);
}

TEST_F(Drops, CopyKeepsTheOriginalAndMoveOntoItselfDoesNothing) {
    CClipItem* a1 = active[1].get();
    EXPECT_FALSE(DropOnItem(active, a1, 1, a1, 1, false));
    EXPECT_EQ(Texts(active), (std::vector<std::string>{"a0", "a1", "a2", "a3"}));

    EXPECT_TRUE(DropOnItem(active, a1, 1, Work()->children[0].get(), 0, true));
    EXPECT_EQ(Texts(active), (std::vector<std::string>{"a0", "a1", "a2", "a3"}));
    EXPECT_EQ(Texts(Work()->children), (std::vector<std::string>{"a1", "w0", "w1", "w2"}));
    EXPECT_NE(Work()->children[0].get(), a1);
    EXPECT_EQ(Work()->children[0]->owner, Work());
}

TEST_F(Drops, OnACollectionEntryTheItemGoesToItsHead) {
    CClipItem* a2 = active[2].get();
    EXPECT_TRUE(DropOnCollection(active, collections, a2, "Work", false));
    EXPECT_EQ(Texts(Work()->children), (std::vector<std::string>{"a2", "w0", "w1", "w2"}));
    EXPECT_EQ(a2->owner, Work());
    EXPECT_TRUE(Work()->flags & CLIP_MODIFIED);
    EXPECT_EQ(active.size(), 3u);

    // No collection of that name (names compare byte for byte): the item stays.
    CClipItem* a0 = active[0].get();
    EXPECT_FALSE(DropOnCollection(active, collections, a0, "work", false));
    EXPECT_EQ(active[0].get(), a0);
    EXPECT_EQ(active.size(), 3u);
}
