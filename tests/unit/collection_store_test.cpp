// The program's collection store as start-up and shutdown use it, on a real folder.
#include "app/collection_store.h"

#include "app/service_state.h"
#include "fakes/fake_save_files.h"
#include "fakes/fake_service_window.h"
#include "fakes/fake_system.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/ui_strings.h"
#include "platform/win_constants.h"
#include "resource.h"
#include "qbx_test_files.h"
#include "store/collection_file.h"
#include "store/collections.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// The service's state, as the store loads and saves it.
struct Service {
    ServiceState wnd{800, 1};
    CallLog log;
    FakeServiceWindow window{log};
    FakeMessageBox boxes;
};

} // namespace

TEST(ProgramCollectionStore, StartsWithTheCreatedItemAndKeepsWhatWasSaved) {
    TempProgramFolder dir;
    FakeScreen screen;
    Service first;
    ProgramCollectionStore store(screen, first.boxes, SystemSaveFiles());
    auto work = CClipItem::NewCollection("Work");
    ASSERT_TRUE(SaveCollection(*work, CPreferences()));

    store.LoadActiveCollection(first.wnd);
    ASSERT_EQ(first.wnd.m_activeList.size(), 1u);
    EXPECT_EQ(first.wnd.m_activeList[0]->text, LoadUiString(3062));
    EXPECT_EQ(first.wnd.m_ptHot.x, 800 - 120) << "no file: the preferences stay";
    first.wnd.m_nMaxItems = 33;
    store.SaveActiveCollection(first.wnd);
    store.LoadCollections(first.wnd);
    ASSERT_EQ(first.wnd.m_collectionList.size(), 1u);
    AddToCollection(CClipItem::FromText("added"), *first.wnd.m_collectionList[0]);
    store.SaveModifiedCollections(first.wnd);

    Service next;
    store.LoadActiveCollection(next.wnd);
    store.LoadCollections(next.wnd);
    EXPECT_EQ(next.wnd.m_activeList.size(), 1u);
    EXPECT_EQ(next.wnd.m_nMaxItems, 33);
    ASSERT_EQ(next.wnd.m_collectionList.size(), 1u);
    EXPECT_EQ(next.wnd.m_collectionList[0]->children.at(0)->LoadText(), "added");
}

// A file that cannot be written is told once, with its path and the system's error; the
// history stays in memory and goes into the file at the next save that works. A damaged
// file kept aside is told with where it went. Nothing is shown in the middle of a save.
TEST(ProgramCollectionStore, TellsOnceWhatWentWrongWithAFile) {
    TempProgramFolder dir;
    FakeScreen screen;
    FakeSaveFiles files;
    Service s;
    ProgramCollectionStore store(screen, s.boxes, files);
    store.PostNoticesTo(s.window);
    const std::string path = dir.Path("Clipboard.qbx");
    WriteAll(path, {7, 'Q', 'B', 'X', '_', '3', '.', '0'}); // too short, and a newer version
    // The boxes that the posted command shows, once the save's own message has ended.
    const auto notices = [&] {
        for (auto& command : s.window.posted)
            if (command.second == ID_SHOW_FILE_NOTICES)
                store.ShowNotices();
        s.window.posted.clear();
        return std::exchange(s.boxes.shown, {});
    };

    files.replaceFails = true;
    files.writeOver = WriteOverResult::Untouched;
    files.error = "The file is in use.";
    s.wnd.m_activeList.push_back(CClipItem::FromText("first cut"));
    store.SaveActiveCollection(s.wnd);
    EXPECT_TRUE(s.boxes.shown.empty()) << "shown in the middle of a save";
    const auto told = notices();
    ASSERT_EQ(told.size(), 2u);
    EXPECT_NE(told[0].text.find(path + ".damaged-1"), std::string::npos) << told[0].text;
    EXPECT_NE(told[1].text.find(path + ":\nThe file is in use."), std::string::npos);
    EXPECT_EQ(told[1].flags, win::MB_ICONEXCLAMATION | win::MB_TOPMOST);
    EXPECT_FALSE(store.AllSaved());
    store.SaveActiveCollection(s.wnd);
    EXPECT_TRUE(notices().empty()) << "told once";

    files.replaceFails = false;
    s.wnd.m_activeList.push_back(CClipItem::FromText("second cut"));
    store.SaveActiveCollection(s.wnd);
    EXPECT_TRUE(notices().empty());
    EXPECT_TRUE(store.AllSaved());
    EXPECT_EQ(CheckQbxFile(path).records, 2u);

    // A collection whose file cannot be written keeps everything from being read back.
    ASSERT_EQ(mkdir(dir.Path("Work.qbx").c_str(), 0755), 0);
    AddToCollection(CClipItem::FromText("unsaved"),
                    *s.wnd.m_collectionList.emplace_back(CClipItem::NewCollection("Work")));
    const CClipItem* kept = s.wnd.m_activeList.at(1).get();
    EXPECT_FALSE(store.SaveAndReload(s.wnd));
    EXPECT_EQ(notices().size(), 1u) << "a new failure after a success is told again";
    EXPECT_EQ(s.wnd.m_activeList.at(1).get(), kept);
    ASSERT_EQ(rmdir(dir.Path("Work.qbx").c_str()), 0);
    // The preview is never written: an item read back has its own. (Its address may be the
    // old one's, reused by the allocator.)
    s.wnd.m_activeList.at(1)->preview = "not read back";
    EXPECT_TRUE(store.SaveAndReload(s.wnd));
    EXPECT_NE(s.wnd.m_activeList.at(1)->preview, "not read back") << "read back once written";
    EXPECT_EQ(s.wnd.m_collectionList.at(0)->children.at(0)->LoadText(), "unsaved");
}

// Start-up deletes empty collection files and the temporary files of earlier saves: only
// plain files of the folder, never through a link, and never the one whole copy of a file
// a save broke off.
TEST(ProgramCollectionStore, StartUpDeletesOnlyWhatIsSafeToDelete) {
    TempProgramFolder dir;
    ASSERT_EQ(mkdir(dir.Path("prog").c_str(), 0755), 0);
    SetProgramPath(dir.Path("prog/quillbox.exe"));
    const auto in = [&](const std::string& name) { return dir.Path("prog/" + name); };
    ClipList none;
    ASSERT_TRUE(SaveActiveCollection(CPreferences(), none));
    const Bytes empty = EmptyCollectionFile();
    WriteAll(in("Cut.qbx"), Bytes(empty.begin(), empty.end() - 1));
    for (const char* name :
         {"Empty.qbx", "Clipboard.qbx.3.tmp", "Clipboard.qbx.tmp", "Cut.qbx.1.tmp",
          "Other.qbx.1.tmp", "notes.tmp", "Clipboard.qbx.x.tmp"})
        WriteAll(in(name), name[0] == 'E' ? Bytes() : Bytes{1});
    WriteAll(dir.Path("victim"), {});
    ASSERT_EQ(symlink("../victim", in("Link.qbx").c_str()), 0);
    ASSERT_EQ(symlink("../victim", in("Clipboard.qbx.4.tmp").c_str()), 0);

    FakeScreen screen;
    Service s;
    ProgramCollectionStore store(screen, s.boxes, SystemSaveFiles());
    store.LoadCollections(s.wnd);
    for (const char* gone : {"Empty.qbx", "Clipboard.qbx.3.tmp", "Clipboard.qbx.tmp"})
        EXPECT_NE(access(in(gone).c_str(), F_OK), 0) << gone;
    for (const char* kept : {"Cut.qbx.1.tmp", "Other.qbx.1.tmp", "notes.tmp", "Clipboard.qbx.x.tmp",
                             "Link.qbx", "Clipboard.qbx.4.tmp"})
        EXPECT_EQ(access(in(kept).c_str(), F_OK), 0) << kept;
    EXPECT_TRUE(files::Exists(dir.Path("victim")));
}
