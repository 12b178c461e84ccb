#include "store/collection_list.h"

#include <gtest/gtest.h>

#include <set>
#include <sys/stat.h>

#include "platform/files.h"
#include "store/collections.h"
#include "store/qbx_prefs.h"
#include "unit/qbx_test_files.h"

namespace {

const ScreenSize kScreen{1024, 768};

// Writes collection `name` with the given texts through the collection writer.
void MakeCollection(const std::string& name, const std::vector<std::string>& texts,
                    const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
    auto node = CClipItem::NewCollection(name);
    for (const auto& t : texts)
        node->children.push_back(CClipItem::FromText(t));
    if (!SaveCollection(*node, CPreferences()))
        ADD_FAILURE_AT(file, line) << name << " not saved";
}

} // namespace

TEST(LoadCollections, ListsValidFilesDeletesEmptyOnesLeavesOthers) {
    TempProgramFolder folder;
    MakeCollection("Work", {"alpha", "beta"});
    MakeCollection("Home", {});
    WriteAll(folder.Path("Empty.qbx"), {});
    Bytes shortFile = EmptyCollectionFile();
    shortFile.resize(16); // long enough to be counted, too short to hold items
    WriteAll(folder.Path("Sixteen.qbx"), shortFile);
    shortFile.resize(15);
    WriteAll(folder.Path("Short.qbx"), shortFile);
    Bytes foreign = EmptyCollectionFile();
    foreign[7] = '8';
    WriteAll(folder.Path("Foreign.qbx"), foreign);
    WriteAll(folder.Path("Clipboard.qbx"), EmptyCollectionFile());
    WriteAll(folder.Path("Notes.txt"), EmptyCollectionFile());

    ClipList collections;
    EXPECT_EQ(LoadCollections(collections), 3u);
    std::set<std::string> names;
    for (const auto& c : collections)
        names.insert(c->caption);
    EXPECT_EQ(names, (std::set<std::string>{"Home", "Sixteen", "Work"}));
    CClipItem* work = FindCollection(collections, "Work");
    ASSERT_TRUE(work && work->children.size() == 2u);
    EXPECT_EQ(work->children[0]->owner, work);
    EXPECT_EQ(work->children[1]->LoadText(), "beta");

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
    prefs.m_nMinTextSize = 0;
    const CPreferences before = prefs;

    ASSERT_TRUE(SaveAndReload(prefs, active, collections, kScreen));
    ASSERT_EQ(active.size(), 2u);
    EXPECT_NE(active[0].get(), old) << "items are read back, not kept";
    EXPECT_EQ(active[1]->text, "second");
    ASSERT_EQ(collections.size(), 1u);
    ASSERT_EQ(collections[0]->children.size(), 2u);
    EXPECT_EQ(collections[0]->children[0]->LoadText(), "moved in");

    EXPECT_EQ(EncodePrefBlock(prefs, QbxLayout::Active),
              EncodePrefBlock(before, QbxLayout::Active));
    EXPECT_EQ(prefs.m_dwOptions, before.m_dwOptions);
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
    for (const char* good : {"v1.2 drafts", "COM0", "Console", "LPT", "COMA", "nulls", "a=b"})
        EXPECT_TRUE(CleanCollectionName(good, name)) << good;
    for (const char* bad :
         {"", "   ", "..\\up", "a/b", "c:x", "what?", "tail.", "..", "CON", "lpt1", "com9.txt",
          "nul .txt", "AUX ", "clipboard", "CLIPBOARD ", "tab\x01"})
        EXPECT_FALSE(CleanCollectionName(bad, name)) << '"' << bad << '"';
}
