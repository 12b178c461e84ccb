#include "store/collection_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>

#include "platform/files.h"
#include "store/collections.h"
#include "unit/qbx_test_files.h"

namespace {

const ScreenSize kScreen{1024, 768};

Bytes EmptyCollectionBytes(const std::string& magic = "QBX_2.9") {
    Bytes b(40, 0);
    b[0] = uint8_t(magic.size());
    std::copy(magic.begin(), magic.end(), b.begin() + 1);
    return b;
}

// Writes collection `name` with the given texts through the collection writer.
void MakeCollection(const std::string& name, const std::vector<std::string>& texts) {
    auto node = CClipItem::NewCollection(name);
    for (const auto& t : texts)
        node->children.push_back(CClipItem::FromText(t));
    ASSERT_TRUE(SaveCollection(*node, CPreferences()));
}

std::vector<std::string> Names(const ClipList& collections) {
    std::vector<std::string> out;
    for (const auto& c : collections)
        out.push_back(c->caption);
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace

TEST(LoadCollections, ListsValidFilesDeletesEmptyOnesLeavesOthers) {
    TempProgramFolder folder;
    MakeCollection("Work", {"alpha", "beta"});
    MakeCollection("Home", {});
    WriteAll(folder.Path("Empty.qbx"), {});
    Bytes shortFile = EmptyCollectionBytes();
    shortFile.resize(15);
    WriteAll(folder.Path("Short.qbx"), shortFile);
    const Bytes foreign = EmptyCollectionBytes("QBX_2.8");
    WriteAll(folder.Path("Foreign.qbx"), foreign);
    WriteAll(folder.Path("Clipboard.qbx"), EmptyCollectionBytes());
    WriteAll(folder.Path("Notes.txt"), EmptyCollectionBytes());

    ClipList collections;
    EXPECT_EQ(LoadCollections(collections), 2u);
    EXPECT_EQ(Names(collections), (std::vector<std::string>{"Home", "Work"}));
    CClipItem* work = FindCollection(collections, "Work");
    ASSERT_NE(work, nullptr);
    ASSERT_EQ(work->children.size(), 2u);
    EXPECT_EQ(work->children[0]->owner, work);
    EXPECT_EQ(work->children[1]->LoadText(), "beta");
    EXPECT_FALSE(work->flags & CLIP_MODIFIED);

    EXPECT_FALSE(files::Exists(folder.Path("Empty.qbx")));
    EXPECT_EQ(ReadAll(folder.Path("Short.qbx")), shortFile);
    EXPECT_EQ(ReadAll(folder.Path("Foreign.qbx")), foreign);
}

class SaveAndReloadTest : public ::testing::Test {
protected:
    TempProgramFolder folder;
    CPreferences prefs;
    ClipList active;
    ClipList collections;
};

TEST_F(SaveAndReloadTest, ReadsBackWhatWasWrittenAndKeepsTheRememberedFields) {
    MakeCollection("Work", {"w1"});
    LoadCollections(collections);
    AddToCollection(CClipItem::FromText("moved in"), *collections[0]);
    active.push_back(CClipItem::FromText("first"));
    active.push_back(CClipItem::FromText("second"));
    CClipItem* old = active[0].get();

    // Values that reading the file would correct, and options without a menu hot key.
    prefs.m_ptHot = {5000, 5000};
    prefs.m_nHotMenuWidth = 10;
    prefs.m_dwOptions = OPT_FMT_TEXT | OPT_INSERT_HEAD | 0x30000000u;
    prefs.m_nMaxItems = 1;
    prefs.m_nSound = 4;
    const CPreferences before = prefs;

    ASSERT_TRUE(SaveAndReload(prefs, active, collections, kScreen));
    ASSERT_EQ(active.size(), 2u);
    EXPECT_NE(active[0].get(), old) << "items are read back, not kept";
    EXPECT_EQ(active[1]->text, "second");
    ASSERT_EQ(collections.size(), 1u);
    ASSERT_EQ(collections[0]->children.size(), 2u);
    EXPECT_EQ(collections[0]->children[0]->LoadText(), "moved in");

    EXPECT_EQ(prefs.m_ptHot.x, before.m_ptHot.x);
    EXPECT_EQ(prefs.m_ptHot.y, before.m_ptHot.y);
    EXPECT_EQ(prefs.m_nHotMenuWidth, 10);
    EXPECT_EQ(prefs.m_dwOptions, before.m_dwOptions);
    EXPECT_EQ(prefs.m_nMaxItems, 1);
    EXPECT_EQ(prefs.m_nSound, 4);
}

TEST_F(SaveAndReloadTest, NothingIsReadBackWhenTheActiveFileCannotBeWritten) {
    ASSERT_EQ(mkdir(folder.Path("Clipboard.qbx").c_str(), 0755), 0);
    MakeCollection("Work", {"w1"});
    LoadCollections(collections);
    active.push_back(CClipItem::FromText("only copy"));
    CClipItem* kept = active[0].get();
    EXPECT_FALSE(SaveAndReload(prefs, active, collections, kScreen));
    ASSERT_EQ(active.size(), 1u);
    EXPECT_EQ(active[0].get(), kept);
    EXPECT_EQ(collections.size(), 1u);
}

TEST(CollectionNames, UnsafeOrReservedNamesAreRefused) {
    std::string name;
    EXPECT_TRUE(CleanCollectionName("  My notes\t", name));
    EXPECT_EQ(name, "My notes");
    EXPECT_TRUE(CleanCollectionName("v1.2 drafts", name));
    for (const char* bad : {"", "   ", "..\\up", "a/b", "c:x", "what?", "tail.", "..", "CON",
                            "lpt1", "nul.txt", "clipboard", "CLIPBOARD ", "tab\x01"})
        EXPECT_FALSE(CleanCollectionName(bad, name)) << '"' << bad << '"';
    EXPECT_TRUE(CleanCollectionName("COM0", name));
    EXPECT_TRUE(CleanCollectionName("Console", name));
}
