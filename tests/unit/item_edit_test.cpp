// Items handed to other programs: the content of their files, the editor lookup, the edit
// round trip with its editor running while the program goes on, and printing.
#include <gtest/gtest.h>

#include "app/dispatch.h"
#include "app/item_edits.h"
#include "fakes/fake_editor_processes.h"
#include "fakes/fake_registry.h"
#include "fakes/service_fixture.h"
#include "platform/files.h"
#include "qbx_test_files.h"
#include "resource.h"
#include "store/collection_file.h"
#include "store/editor_command.h"
#include "store/item_export.h"
#include "store/temp_files.h"

namespace {

std::string Str(const Bytes& b) {
    return std::string(b.begin(), b.end());
}

std::unique_ptr<CClipItem> Typed(uint16_t type, const std::string& text) {
    auto item = CClipItem::FromText(text);
    item->type = type;
    return item;
}

TEST(ItemFile, HoldsTheContentAsHeldOrFromTheCollectionFile) {
    TempProgramFolder folder;
    ClipList stored;
    stored.push_back(CClipItem::FromText("kept in the file"));
    ASSERT_TRUE(
        WriteQbxFile(folder.Path("Forms.qbx"), QbxLayout::Collection, CPreferences(), stored));
    auto node = LoadCollection("Forms");
    ASSERT_EQ(node->children.size(), 1u);
    CClipItem& inFile = *node->children[0];
    CClipItem beyond(inFile);
    beyond.owner = node.get();
    beyond.fileOffset = 1u << 20;
    CClipItem orphan(inFile);
    orphan.owner = nullptr;
    orphan.fileOffset = inFile.fileOffset;

    uint8_t counter = 0;
    auto picture = CClipItem::FromDib(MakeDib(100, 50), counter);
    auto broken = CClipItem::FromDib(Bytes(48, 2), counter);
    auto files = Typed(CLIP_FILES, "C:\\a.txt\r\nC:\\b.txt\r\n");
    auto rtf = CClipItem::FromRtf("{\\rtf1 bold}");
    // 100 x 50 at 24 bits: 14 + 40 + 15,000 bytes, the pixels at 54.
    Bytes bmp = {'B', 'M'};
    for (uint32_t v : {14u + 40 + 15000, 0u, 54u})
        AppendU32(bmp, v);
    const struct {
        const CClipItem* item;
        bool made;
        std::string bytes;
    } cases[] = {
        {files.get(), true, "C:\\a.txt\r\nC:\\b.txt\r\n"},
        {picture.get(), true, Str(bmp) + Str(picture->dib)},
        {rtf.get(), true, "{\\rtf1 bold}"},
        {&inFile, true, "kept in the file"},
        {&beyond, true, "QBX file error"},
        {&orphan, false, ""},
        {broken.get(), false, ""},
    };
    for (const auto& c : cases) {
        std::string bytes = "old";
        EXPECT_EQ(ItemFileContent(*c.item, bytes), c.made) << c.bytes;
        EXPECT_EQ(bytes, c.bytes);
    }
    std::string bytes;
    std::remove(folder.Path("Forms.qbx").c_str());
    EXPECT_TRUE(ItemFileContent(inFile, bytes)) << "an unreadable file gives an empty one";
    EXPECT_EQ(bytes, "");
    EXPECT_FALSE(WriteFileBytes("/dev/full", "x")) << "a write refused as the file closes";
}

TEST(EditorCommand, IsTheRegisteredEditOrOpenCommandUpToItsFileArgument) {
    const struct {
        const char* editCommand; // null: none registered
        const char* openCommand;
        const char* expected;
    } cases[] = {
        {"\"C:\\Ed\\ed.exe\" \"%1\" /x", "other %1", "C:\\Ed\\ed.exe "},
        {nullptr, "%SystemRoot%\\system32\\NOTEPAD.EXE %1", "%SystemRoot%\\system32\\NOTEPAD.EXE "},
        {"\"C:\\Program Files\\Ed\\ed.exe\"", nullptr, "C:\\Program Files\\Ed\\ed.exe"},
        {nullptr, nullptr, "notepad "},
    };
    for (const auto& c : cases) {
        FakeRegistry registry;
        registry.WriteString(RegHive::ClassesRoot, ".txt", "", "txtfile");
        if (c.editCommand)
            registry.WriteString(RegHive::ClassesRoot, "txtfile\\shell\\edit\\command", "",
                                 c.editCommand);
        if (c.openCommand)
            registry.WriteString(RegHive::ClassesRoot, "txtfile\\shell\\open\\command", "",
                                 c.openCommand);
        EXPECT_EQ(FindEditorCommand(registry, ".txt"), c.expected);
        EXPECT_EQ(FindEditorCommand(registry, ".rtf"), "notepad ") << "no class";
    }
}

class ItemEditTest : public ServiceFixture {
protected:
    TempProgramFolder folder;
    FakeRegistry classes;
    FakeEditorProcesses editors;
    CItemEdits edits{editors, classes};

    void SetUp() override {
        ServiceFixture::SetUp();
        service.m_pItemEdits = &edits;
        ASSERT_TRUE(service.Create(kFrame));
        log.calls.clear();
        service.m_activeList.push_back(CClipItem::FromText("one"));
        service.m_activeList.back()->SetHtml("<b>one</b>");
        service.m_activeList.push_back(CClipItem::FromText("two"));
    }

    CClipItem* Active(size_t i) { return service.m_activeList[i].get(); }
    // The user chooses "Edit" in the context menu of the entry `id`.
    void Edit(CClipItem* item, int32_t id = 1) {
        service.m_nSelEntryId = id;
        service.m_pSelItem = item;
        menus.onContextMenu = [](int) { return unsigned{ID_EDIT}; };
        service.OpenContextMenu();
        service.OnCommand(0, ID_RELEASE_CUTS);
    }
    // The last editor saves `text` into its file and ends.
    void SaveAndEnd(const std::string& text) {
        WriteAll(editors.LastFile(), Bytes(text.begin(), text.end()));
        editors.running.erase(editors.started.size());
        service.OnCommand(0, ID_EDITOR_ENDED);
    }
};

TEST_F(ItemEditTest, TheEditedContentComesBackOnceTheEditorEnds) {
    classes.WriteString(RegHive::ClassesRoot, ".txt", "", "txtfile");
    classes.WriteString(RegHive::ClassesRoot, "txtfile\\shell\\edit\\command", "",
                        "\"C:\\Ed\\ed.exe\" \"%1\"");
    Edit(Active(1), 2);
    const std::string file = TempFilePath(2, ".txt");
    ASSERT_EQ(editors.started, (std::vector<std::string>{"C:\\Ed\\ed.exe  \"" + file + "\""}));
    EXPECT_EQ(Str(ReadAll(file)), "two");

    // While the editor runs the program goes on: a menu's clean-up spares the file, and
    // nothing changes until the editor ends.
    service.OpenMainMenu();
    service.OnCommand(0, ID_RELEASE_CUTS);
    EXPECT_TRUE(files::Exists(file));
    service.OnCommand(0, ID_EDITOR_ENDED);
    EXPECT_EQ(Active(1)->text, "two");

    SaveAndEnd("two\r\nmore");
    EXPECT_EQ(Active(1)->text, "two\r\nmore");
    EXPECT_EQ(Active(1)->caption + " " + std::to_string(Active(1)->size), "two 9")
        << "the caption stays";
    EXPECT_EQ(log.Count("save and reload"), 1);
    EXPECT_FALSE(files::Exists(file));
    EXPECT_EQ(editors.released, (std::set<ProcessHandle>{1}));

    // A file left as it was changes nothing, not even the item's HTML.
    Edit(Active(0));
    SaveAndEnd("one");
    EXPECT_EQ(Active(0)->html, "<b>one</b>");
    EXPECT_EQ(log.Count("save and reload"), 1);
}

TEST_F(ItemEditTest, EveryKindComesBackAsItselfAndABrokenPictureNotAtAll) {
    uint8_t counter = 0;
    const Bytes newDib = MakeDib(2, 2);
    const std::string newPicture = "BM" + std::string(12, '\0') + Str(newDib);
    const struct {
        std::unique_ptr<CClipItem> item;
        std::string edited;
        uint32_t size; // after the edit
    } cases[] = {
        {CClipItem::FromRtf("{\\rtf1 old}"), "{\\rtf1 new text}", 8},
        {Typed(CLIP_FILES_WIDE, "C:\\a.txt\r\n"), "C:\\b.txt\r\nC:\\c.txt\r\n", 20},
        {CClipItem::FromDib(MakeDib(1, 1), counter), newPicture, 56},
        {CClipItem::FromDib(MakeDib(1, 1), counter), "BM too short", 44},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edited);
        const uint16_t type = c.item->type;
        service.m_activeList.push_back(std::make_unique<CClipItem>(*c.item));
        CClipItem* item = service.m_activeList.back().get();
        Edit(item, 3);
        SaveAndEnd(c.edited);
        EXPECT_EQ(item->type, type);
        EXPECT_EQ(item->size, c.size);
        if (type != CLIP_BITMAP) {
            EXPECT_EQ(item->text, c.edited);
        } else if (c.size == 56) {
            EXPECT_EQ(item->dib, newDib);
        }
    }
}

TEST_F(ItemEditTest, AnItemReadAnewOrGoneMeanwhileKeepsWhatTheUserWrote) {
    Edit(Active(0), 1);
    Edit(Active(1), 1);
    Edit(Active(1), 1);
    ASSERT_EQ(editors.started.size(), 2u) << "an item open in its editor is not opened twice";
    EXPECT_NE(editors.LastFile(), TempFilePath(1, ".txt")) << "each edit has its own file";

    // The lists are read anew (every item a new object), and "two" is deleted.
    auto copy = std::make_unique<CClipItem>(*Active(0));
    service.m_activeList.clear();
    service.m_activeList.push_back(std::move(copy));
    service.m_dwOptions |= OPT_INSERT_HEAD;
    SaveAndEnd("two edited");
    editors.running.clear();
    WriteAll(TempFilePath(1, ".txt"), Bytes{'1'});
    service.OnCommand(0, ID_EDITOR_ENDED);
    ASSERT_EQ(service.m_activeList.size(), 2u);
    EXPECT_EQ(Active(0)->caption + ": " + Active(0)->text + " / " + Active(1)->text,
              "two: two edited / 1");
}

TEST_F(ItemEditTest, AnEndedEditWaitsForOpenDialogsAndIsTakenAtShutdown) {
    Edit(Active(0));
    service.m_dwState |= ST_BUSY; // a dialog is open
    SaveAndEnd("later");
    EXPECT_EQ(Active(0)->text, "one");
    EXPECT_TRUE(timers.Runs(TIMER_FINISH_EDITS));
    service.m_dwState &= ~ST_BUSY;
    service.OnTimer(TIMER_FINISH_EDITS);
    EXPECT_EQ(Active(0)->text, "later");
    EXPECT_FALSE(timers.Runs(TIMER_FINISH_EDITS));

    // An editor still open at shutdown: what it saved so far is saved with the rest.
    Edit(Active(1));
    WriteAll(editors.LastFile(), Bytes{'x'});
    std::string saved;
    store.onSaveActive = [&](ServiceState& s) { saved = s.m_activeList[1]->text; };
    service.OnDestroy();
    EXPECT_EQ(saved, "x");

    // An editor that cannot be started leaves no file.
    editors.canStart = false;
    EXPECT_FALSE(edits.Start(*CClipItem::FromText("z"), 5, NO_WINDOW));
    EXPECT_FALSE(files::Exists(TempFilePath(5, ".txt")));
}

TEST_F(ItemEditTest, PrintingGoesToTheShellAndAPictureThatPrintedNothingStaysPut) {
    service.m_dwOptions |= OPT_INSERT_HEAD;
    service.m_pSelItem = Active(1);
    service.DispatchEntry(2, ID_PRINT);
    EXPECT_EQ(Str(ReadAll(TempFilePath(3, ".txt"))), "two");
    EXPECT_EQ(documents.printed, (std::vector<std::string>{TempFilePath(3, ".txt")}));
    EXPECT_EQ(Active(1)->text, "two") << "a printed text stays where it was";

    uint8_t counter = 0;
    service.m_activeList.push_back(CClipItem::FromDib(MakeDib(1, 1), counter));
    CClipItem* picture = Active(2);
    documents.canPrint = false;
    documents.canOpen = false;
    service.m_pSelItem = picture;
    service.DispatchEntry(3, ID_PRINT);
    EXPECT_EQ(Active(2), picture) << "nothing printed: the picture stays where it was";
    documents.canOpen = true;
    service.m_pSelItem = picture;
    service.DispatchEntry(3, ID_PRINT);
    EXPECT_EQ(documents.openedFiles.size(), 2u);
    EXPECT_EQ(Active(0), picture) << "opened for printing: it moves up like a paste";
}

} // namespace
