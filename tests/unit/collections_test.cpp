#include "store/collections.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

Texts TextsOf(const ClipList& list) {
    Texts out;
    for (const auto& item : list)
        out.push_back(item->text);
    return out;
}

ClipList ListOf(const Texts& texts) {
    ClipList list;
    for (const auto& t : texts)
        list.push_back(CClipItem::FromText(t));
    return list;
}

CPreferences Prefs(bool head) {
    CPreferences p;
    p.m_dwOptions &= ~(OPT_INSERT_HEAD | OPT_INSERT_TAIL);
    if (head)
        p.m_dwOptions |= OPT_INSERT_HEAD;
    return p;
}

} // namespace

TEST(Capacity, LimitsAreClampedAndMeasured) {
    CPreferences prefs = Prefs(true);
    ClipList active = ListOf({"a1", "a2", "a3", "a4"});
    prefs.m_nMaxItems = 1;
    EXPECT_EQ(TrimToCapacity(active, prefs), 2u);
    EXPECT_EQ(prefs.m_nMaxItems, 2);
    EXPECT_EQ(TextsOf(active), (Texts{"a1", "a2"}));
    EXPECT_EQ(TrimToCapacity(active, prefs), 0u);
    prefs.m_nMaxItems = 200;
    ClampMaxItems(prefs);
    EXPECT_EQ(prefs.m_nMaxItems, 120);
    for (const auto& [set, clamped] : {std::pair<int, int>{0, 1}, {121, 120}, {120, 120}}) {
        prefs.m_nMinTextSize = static_cast<uint8_t>(set);
        ClampMinTextSize(prefs);
        EXPECT_EQ(prefs.m_nMinTextSize, clamped) << set;
    }

    const struct {
        uint8_t minText;
        uint16_t maxKB;
        size_t length;
        bool passes;
    } limits[] = {
        {3, 0, 2, false},   {3, 0, 3, true},     {3, 0, 50u << 20, true},
        {3, 1, 1024, true}, {3, 1, 1025, false}, {3, 65535, 65535u * 1024 + 1, false},
    };
    for (const auto& l : limits) {
        prefs.m_nMinTextSize = l.minText;
        prefs.m_nMaxItemSizeKB = l.maxKB;
        EXPECT_EQ(PassesTextLimits(l.length, prefs), l.passes) << l.length << " at " << l.maxKB;
    }
}

TEST(Duplicates, RichTextAndItsPlainTextAreOneCutAndLoweredLimitsPurge) {
    CPreferences prefs = Prefs(true);
    ClipList active = ListOf({"older"});
    active.push_back(CClipItem::FromRtf("{\\rtf1 Hello world}"));
    active.push_back(CClipItem::FromRtf("{\\rtf1\\b Hello world}"));
    active.push_back(CClipItem::FromText("oldest"));
    CClipItem* rich = active[1].get();

    // Plain text equal to the Rich Text's plain form brings the first such item forward;
    // any other stays where it is.
    auto plain = CClipItem::FromText("Hello world");
    auto reused = RemoveDuplicates(active, *plain, prefs);
    InsertItem(active, reused ? std::move(reused) : std::move(plain), prefs);
    ASSERT_EQ(active.size(), 4u);
    EXPECT_EQ(active.front().get(), rich);
    EXPECT_EQ(active[2]->text, "{\\rtf1\\b Hello world}");

    // New Rich Text replaces an equal plain item, and Rich Text of the same length
    // and caption (other markup, same words).
    active = ListOf({"Same words"});
    active.push_back(CClipItem::FromRtf("{\\rtf1\\b Same words}"));
    active.push_back(CClipItem::FromRtf("{\\rtf1\\b Some words}"));
    active.push_back(CClipItem::FromRtf("{\\rtf1\\b\\i Same words}"));
    EXPECT_EQ(RemoveDuplicates(active, *CClipItem::FromRtf("{\\rtf1\\i Same words}"), prefs),
              nullptr);
    EXPECT_EQ(TextsOf(active), (Texts{"{\\rtf1\\b Some words}", "{\\rtf1\\b\\i Same words}"}));
    // Rich Text without words (a picture alone) leaves the other kinds of cut alone.
    uint8_t counter = 0;
    active.clear();
    active.push_back(CClipItem::FromDib(std::vector<uint8_t>(48, 2), counter));
    RemoveDuplicates(active, *CClipItem::FromRtf("{\\rtf1 }"), prefs);
    EXPECT_EQ(active.size(), 1u);

    // Limits lowered since the last cut purge the items outside them.
    active = ListOf({"ab", std::string(2000, 'x'), "long enough", "abc"});
    prefs.m_nMinTextSize = 3;
    prefs.m_nMaxItemSizeKB = 1;
    RemoveDuplicates(active, *CClipItem::FromText("new one"), prefs);
    EXPECT_EQ(TextsOf(active), (Texts{"long enough", "abc"}));
}

TEST(Promote, PastedItemMovesToTheInsertPosition) {
    CPreferences head = Prefs(true), tail = Prefs(false);
    ClipList active = ListOf({"a", "b", "c"});
    CClipItem* c = active[2].get();
    EXPECT_TRUE(PromoteItem(active, c, head));
    EXPECT_EQ(TextsOf(active), (Texts{"c", "a", "b"}));
    EXPECT_TRUE(PromoteItem(active, c, tail));
    EXPECT_EQ(TextsOf(active), (Texts{"a", "b", "c"}));
    auto stranger = CClipItem::FromText("x");
    EXPECT_FALSE(PromoteItem(active, stranger.get(), head));
    EXPECT_EQ(active.size(), 3u);
}

class Drops : public ::testing::Test {
protected:
    void SetUp() override {
        auto work = CClipItem::NewCollection("Work");
        for (const char* t : {"w0", "w1", "w2"}) {
            work->children.push_back(CClipItem::FromText(t));
            work->children.back()->owner = work.get();
        }
        collections.push_back(CClipItem::NewCollection("Other"));
        collections.push_back(std::move(work));
    }
    CClipItem& Work() { return *collections[1]; }

    ClipList active = ListOf({"a0", "a1", "a2", "a3"});
    ClipList collections;
};

TEST_F(Drops, WithinOneListDownwardLandsAfterUpwardBefore) {
    EXPECT_TRUE(DropOnItem(active, active[0].get(), 0, active[2].get(), 2, false));
    EXPECT_EQ(TextsOf(active), (Texts{"a1", "a2", "a0", "a3"}));
    EXPECT_TRUE(DropOnItem(active, active[3].get(), 3, active[0].get(), 0, false));
    EXPECT_EQ(TextsOf(active), (Texts{"a3", "a1", "a2", "a0"}));
    CClipItem* a1 = active[1].get();
    EXPECT_FALSE(DropOnItem(active, a1, 1, a1, 1, false)) << "a move onto itself";

    ClipList& work = Work().children;
    EXPECT_TRUE(DropOnItem(active, work[0].get(), 0, work[1].get(), 1, false));
    EXPECT_EQ(TextsOf(work), (Texts{"w1", "w0", "w2"}));
    EXPECT_TRUE(Work().flags & CLIP_MODIFIED);
}

TEST_F(Drops, AcrossListsLandsBeforeAndChangesOwner) {
    CClipItem* w2 = Work().children[2].get();
    EXPECT_TRUE(DropOnItem(active, w2, 2, active[3].get(), 3, false));
    EXPECT_EQ(TextsOf(active), (Texts{"a0", "a1", "a2", "w2", "a3"}));
    EXPECT_EQ(w2->owner, nullptr);
    EXPECT_TRUE(Work().flags & CLIP_MODIFIED);

    Work().flags = 0;
    CClipItem* a0 = active[0].get();
    EXPECT_TRUE(DropOnItem(active, a0, 0, Work().children[1].get(), 1, false));
    EXPECT_EQ(TextsOf(Work().children), (Texts{"w0", "a0", "w1"}));
    EXPECT_EQ(a0->owner, &Work());
    EXPECT_TRUE(Work().flags & CLIP_MODIFIED);

    // A copy leaves the original where it was.
    CClipItem* a1 = active[0].get();
    EXPECT_TRUE(DropOnItem(active, a1, 0, Work().children[0].get(), 0, true));
    EXPECT_EQ(active[0].get(), a1);
    EXPECT_EQ(Work().children[0]->text, "a1");
    EXPECT_EQ(Work().children[0]->owner, &Work());
}

TEST_F(Drops, OnACollectionEntryTheItemGoesToItsHead) {
    CClipItem* a2 = active[2].get();
    EXPECT_TRUE(DropOnCollection(active, collections, a2, "Work", false));
    EXPECT_EQ(TextsOf(Work().children), (Texts{"a2", "w0", "w1", "w2"}));
    EXPECT_EQ(a2->owner, &Work());
    EXPECT_TRUE(Work().flags & CLIP_MODIFIED);
    // No collection of that name (names compare byte for byte): the item stays.
    EXPECT_FALSE(DropOnCollection(active, collections, active[0].get(), "work", false));
    EXPECT_EQ(TextsOf(active), (Texts{"a0", "a1", "a3"}));
}
