#include "store/collection_file.h"

#include "fakes/fake_save_files.h"
#include "platform/ui_strings.h"
#include "qbx_test_files.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const ScreenSize kScreen{1024, 768};

// Writes a collection "Work" with a text, a bitmap and a Rich Text item and loads it again.
std::unique_ptr<CClipItem> SavedWork(const Bytes& dib) {
    auto node = CClipItem::NewCollection("Work");
    node->children.push_back(Item("abc", CLIP_TEXT, "hello"));
    node->children.push_back(Bitmap("pic", dib, "<img>"));
    node->children.push_back(Item("rich", CLIP_RTF, "{\\rtf1 Rich}", "<b>Rich</b>"));
    EXPECT_TRUE(SaveCollection(*node, CPreferences()));
    return LoadCollection("Work");
}

bool Exists(const std::string& path) {
    return access(path.c_str(), F_OK) == 0;
}

} // namespace

TEST(ActiveCollectionFile, EmptyListIsMagicAndBlock) {
    TempProgramFolder dir;
    CPreferences prefs;
    ClipList none;
    ASSERT_TRUE(SaveActiveCollection(prefs, none));
    Bytes file = ReadAll(dir.Path("Clipboard.qbx"));
    ASSERT_EQ(file.size(), 40u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 8),
              (Bytes{0x07, 'Q', 'B', 'X', '_', '2', '.', '9'}));
    PrefBlock block = EncodePrefBlock(prefs, QbxLayout::Active);
    EXPECT_EQ(Bytes(file.begin() + 8, file.end()), Bytes(block.begin(), block.end()));
    EXPECT_FALSE(Exists(dir.Path("Clipboard.qbx.tmp")));
}

TEST(ActiveCollectionFile, RoundTripCorrectsPreferencesButKeepsEveryItem) {
    TempProgramFolder dir;
    CPreferences saved;
    saved.m_nMaxItems = 1; // below the range: read back as 2, yet all items stay
    saved.m_ptHot = {5000, 5000};
    saved.m_nHotMenuWidth = 10;
    saved.m_dwOptions = OPT_FMT_TEXT | OPT_INSERT_HEAD;
    saved.m_nUserHotKeyVk = 0x51;
    saved.m_nUserHotKeyMods = 0x03;
    ClipList list;
    for (int i = 0; i < 5; ++i)
        list.push_back(Item("item" + std::to_string(i), CLIP_TEXT, "text " + std::to_string(i)));
    list.push_back(Bitmap("pic", MakeDib(4, 4)));
    ASSERT_TRUE(SaveActiveCollection(saved, list));

    CPreferences read;
    read.m_dwOptions |= 0x30000000;
    ClipList back;
    LoadActiveCollection(read, back, kScreen);
    ASSERT_EQ(back.size(), 6u);
    EXPECT_EQ(back[3]->text, "text 3");
    EXPECT_EQ(back[5]->dib, list[5]->dib);
    EXPECT_EQ(back[5]->fileOffset, 0u);
    EXPECT_EQ(read.m_nMaxItems, 2);
    EXPECT_EQ(read.m_ptHot.x, 5000) << "placed by the hot window, against every screen";
    EXPECT_EQ(read.m_nHotMenuWidth, 100);
    EXPECT_EQ(read.m_dwOptions, 0x30000000u | OPT_FMT_TEXT | OPT_INSERT_HEAD |
                                    OPT_HK_ALT_SHIFT_INS | OPT_HK_CTRL_SHIFT_INS |
                                    OPT_MOUSE_AT_TOP);
    EXPECT_EQ(read.m_nUserHotKeyVk, 0x51);
    EXPECT_EQ(read.m_nUserHotKeyMods, 0x03);
}

TEST(ActiveCollectionFile, MissingShortOrForeignFiles) {
    TempProgramFolder dir;
    CPreferences prefs;
    prefs.m_nMaxItems = 77;
    ClipList list;
    LoadActiveCollection(prefs, list, kScreen);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0]->text, LoadUiString(3062));
    EXPECT_EQ(list[0]->type, CLIP_TEXT);
    EXPECT_EQ(prefs.m_nMaxItems, 77);

    Bytes valid = EmptyCollectionFile();
    valid[12] = 9;
    Bytes foreign = valid;
    foreign[3] = 'Y';
    Bytes blockCut = Bytes(valid.begin(), valid.begin() + 30);
    for (const Bytes& file : {Bytes(15, 0x07), Bytes(), foreign, blockCut}) {
        WriteAll(dir.Path("Clipboard.qbx"), file);
        ClipList l;
        LoadActiveCollection(prefs, l, kScreen);
        EXPECT_TRUE(l.empty()) << file.size();
        EXPECT_EQ(prefs.m_nMaxItems, 77) << file.size();
        EXPECT_EQ(ReadAll(dir.Path("Clipboard.qbx")), file) << "read-only";
    }
    WriteAll(dir.Path("Clipboard.qbx"), valid);
    ClipList l;
    LoadActiveCollection(prefs, l, kScreen);
    EXPECT_TRUE(l.empty());
    EXPECT_EQ(prefs.m_nMaxItems, 9);
}

TEST(CollectionFile, ItemsStayInTheFileUntilNeeded) {
    TempProgramFolder dir;
    Bytes dib = MakeDib(300, 20);
    auto work = SavedWork(dib);
    ASSERT_EQ(work->type, CLIP_COLLECTION);
    EXPECT_EQ(work->caption, "Work");
    ASSERT_EQ(work->children.size(), 3u);
    CClipItem& text = *work->children[0];
    CClipItem& pic = *work->children[1];
    CClipItem& rich = *work->children[2];

    // The worked example: the offset is that of the text's length byte.
    EXPECT_EQ(text.fileOffset, 46u);
    EXPECT_EQ(ReadAll(dir.Path("Work.qbx"))[46], 0x05);
    for (auto& child : work->children) {
        EXPECT_EQ(child->owner, work.get());
        EXPECT_TRUE(child->text.empty());
        EXPECT_TRUE(child->dib.empty());
    }
    EXPECT_EQ(text.size, 5u);
    EXPECT_EQ(text.caption, "abc");
    EXPECT_EQ(pic.size, dib.size());
    EXPECT_EQ(pic.html, "<img>");
    EXPECT_TRUE(rich.HasHtml());
    EXPECT_EQ(text.CollectionFilePath(), dir.Path("Work.qbx"));

    EXPECT_EQ(text.LoadText(), "hello");
    EXPECT_TRUE(text.text.empty()) << "LoadText does not keep the text";
    EXPECT_EQ(rich.LoadText(), "{\\rtf1 Rich}");

    EXPECT_EQ(pic.GetPreviewSize(), (PixelSize{240, 160})) << "wider than 240";
    EXPECT_EQ(pic.dib, dib) << "the preview keeps the loaded picture";
    EXPECT_NE(pic.fileOffset, 0u);

    text.Materialize();
    EXPECT_EQ(text.text, "hello");
    EXPECT_EQ(text.fileOffset, 0u);
    rich.Materialize();
    EXPECT_EQ(rich.text, "{\\rtf1 Rich}");
    EXPECT_EQ(rich.html, "<b>Rich</b>");
}

TEST(CollectionFile, MaterializedBitmapBringsItsHtml) {
    TempProgramFolder dir;
    Bytes dib = MakeDib(10, -12);
    auto work = SavedWork(dib);
    CClipItem& pic = *work->children[1];
    pic.SetHtml("");
    pic.Materialize();
    EXPECT_EQ(pic.dib, dib);
    EXPECT_EQ(pic.html, "<img>");
    EXPECT_TRUE(pic.HasHtml());
    EXPECT_EQ(pic.fileOffset, 0u);
    EXPECT_EQ(pic.GetPreviewSize(), (PixelSize{10, 12})) << "top-down rows count as height";
}

TEST(CollectionFile, OffsetsPastTheEndGiveTheErrorText) {
    TempProgramFolder dir;
    auto work = SavedWork(MakeDib(8, 8));
    Bytes file = ReadAll(dir.Path("Work.qbx"));
    // Cut the file inside the first item's text: every offset now reaches past the end
    // or into a string that no longer fits.
    WriteAll(dir.Path("Work.qbx"), Bytes(file.begin(), file.begin() + 48));
    const std::string error = LoadUiString(3002);
    EXPECT_EQ(work->children[0]->LoadText(), error);
    EXPECT_EQ(work->children[2]->LoadText(), error);
    EXPECT_EQ(work->children[1]->GetPreviewSize(), (PixelSize{32, 32}));
    work->children[1]->Materialize();
    EXPECT_EQ(work->children[1]->text, error);
    EXPECT_TRUE(work->children[1]->dib.empty());
    EXPECT_EQ(work->children[1]->fileOffset, 0u);

    // A file that cannot be opened: LoadText gives nothing, Materialize the error text.
    ASSERT_EQ(unlink(dir.Path("Work.qbx").c_str()), 0);
    EXPECT_EQ(work->children[0]->LoadText(), "");
    work->children[0]->Materialize();
    EXPECT_EQ(work->children[0]->text, error);
}

TEST(CollectionFile, MissingShortAndForeignFilesGiveEmptyCollections) {
    TempProgramFolder dir;
    EXPECT_TRUE(LoadCollection("None")->children.empty());
    Bytes foreign = EmptyCollectionFile();
    foreign[1] = 'X';
    AppendShort(foreign, "cap");
    AppendU16(foreign, 1);
    AppendShort(foreign, "t");
    foreign.push_back(0);
    for (const Bytes& file : {Bytes(15, 0x07), foreign}) {
        WriteAll(dir.Path("Odd.qbx"), file);
        auto node = LoadCollection("Odd");
        EXPECT_EQ(node->caption, "Odd");
        EXPECT_TRUE(node->children.empty());
        EXPECT_EQ(ReadAll(dir.Path("Odd.qbx")), file);
    }
}

TEST(CollectionFile, SavingKeepsThePreviousStateAsBackup) {
    TempProgramFolder dir;
    auto node = CClipItem::NewCollection("Notes");
    node->children.push_back(Item("first", CLIP_TEXT, "one"));
    node->flags |= CLIP_MODIFIED;
    ASSERT_TRUE(SaveCollection(*node, CPreferences()));
    EXPECT_FALSE(node->flags & CLIP_MODIFIED);
    EXPECT_FALSE(Exists(dir.Path("Notes.bak")));
    const Bytes firstState = ReadAll(dir.Path("Notes.qbx"));

    node->children.push_back(Item("second", CLIP_TEXT, "two"));
    ASSERT_TRUE(SaveCollection(*node, CPreferences()));
    EXPECT_EQ(ReadAll(dir.Path("Notes.bak")), firstState);
    const Bytes secondState = ReadAll(dir.Path("Notes.qbx"));
    ASSERT_TRUE(SaveCollection(*node, CPreferences()));
    EXPECT_EQ(ReadAll(dir.Path("Notes.bak")), secondState);
    EXPECT_FALSE(Exists(dir.Path("Notes.qbx.tmp")));
}

TEST(CollectionFile, ContentInTheFileIsCopiedAndOffsetsFollow) {
    TempProgramFolder dir;
    Bytes dib = MakeDib(6, 5);
    auto work = SavedWork(dib);
    const Bytes before = ReadAll(dir.Path("Work.qbx"));
    CPreferences prefs;
    prefs.m_nUserHotKeyVk = 0x41;
    prefs.m_nUserHotKeyMods = 0x02;
    // A new item in memory at the head moves every record in the file.
    work->children.insert(work->children.begin(), Item("new", CLIP_TEXT, std::string(300, 'n')));
    work->children[0]->owner = work.get();
    ASSERT_TRUE(SaveCollection(*work, prefs));
    EXPECT_EQ(ReadAll(dir.Path("Work.bak")), before);
    Bytes after = ReadAll(dir.Path("Work.qbx"));
    EXPECT_EQ(after[30], 0x02) << "byte 30 holds the modifiers in collection files";
    EXPECT_EQ(after[31], 0x41);

    EXPECT_EQ(work->children[1]->LoadText(), "hello");
    EXPECT_EQ(work->children[3]->LoadText(), "{\\rtf1 Rich}");
    CClipItem& pic = *work->children[2];
    pic.Materialize();
    EXPECT_EQ(pic.dib, dib);
    EXPECT_EQ(pic.html, "<img>");

    // Loading the new file gives the same items at the same offsets.
    auto reread = LoadCollection("Work");
    ASSERT_EQ(reread->children.size(), 4u);
    for (size_t i = 1; i < 4; ++i)
        EXPECT_EQ(reread->children[i]->caption, work->children[i]->caption);
    EXPECT_EQ(reread->children[1]->fileOffset, work->children[1]->fileOffset);
    EXPECT_EQ(reread->children[3]->fileOffset, work->children[3]->fileOffset);
}

TEST(CollectionFile, HtmlFromAnOlderVersionIsDropped) {
    TempProgramFolder dir;
    auto work = SavedWork(MakeDib(2, 2));
    Bytes file = ReadAll(dir.Path("Work.qbx"));
    file[7] = '8'; // the previous file now claims another version
    WriteAll(dir.Path("Work.qbx"), file);
    ASSERT_TRUE(SaveCollection(*work, CPreferences()));
    for (auto& child : work->children)
        EXPECT_FALSE(child->HasHtml()) << child->caption;
    auto reread = LoadCollection("Work");
    ASSERT_EQ(reread->children.size(), 3u);
    EXPECT_EQ(reread->children[1]->html, "");
    EXPECT_EQ(reread->children[0]->LoadText(), "hello");
}

TEST(CollectionFile, LostContentIsSavedAsAnErrorItemNeverAsALyingRecord) {
    TempProgramFolder dir;
    auto work = SavedWork(MakeDib(16, 16));
    Bytes file = ReadAll(dir.Path("Work.qbx"));
    // Keep the text record and the bitmap's length word, cut the DIB short.
    const uint32_t picOffset = work->children[1]->fileOffset;
    WriteAll(dir.Path("Work.qbx"), Bytes(file.begin(), file.begin() + picOffset + 20));
    ASSERT_TRUE(SaveCollection(*work, CPreferences()));

    const std::string error = LoadUiString(3002);
    EXPECT_EQ(work->children[1]->caption, "Error! pic");
    EXPECT_EQ(work->children[1]->type, CLIP_TEXT);
    EXPECT_EQ(work->children[2]->caption, "Error! rich");
    EXPECT_EQ(work->children[1]->LoadText(), error);

    ClipList items;
    QbxReadResult r = ReadQbxFile(dir.Path("Work.qbx"), QbxLayout::Collection, nullptr, items,
                                  RecordContent::Keep);
    EXPECT_TRUE(r.whole);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0]->text, "hello");
    EXPECT_EQ(items[1]->caption, "Error! pic");
    EXPECT_EQ(items[1]->text, error);
    EXPECT_EQ(items[1]->html, "<img>");
    EXPECT_EQ(items[2]->type, CLIP_TEXT);
}

TEST(CollectionFile, FailedSaveLeavesFilesAndItemsAsTheyWere) {
    TempProgramFolder dir;
    auto work = SavedWork(MakeDib(64, 64));
    work->children.push_back(Item("big", CLIP_TEXT, std::string(300000, 'b')));
    ASSERT_TRUE(SaveCollection(*work, CPreferences())); // now Work.bak exists
    const Bytes file = ReadAll(dir.Path("Work.qbx"));
    const Bytes backup = ReadAll(dir.Path("Work.bak"));
    std::vector<uint32_t> offsets;
    for (auto& c : work->children)
        offsets.push_back(c->fileOffset);
    work->flags |= CLIP_MODIFIED;

    // The temporary file cannot be created.
    FakeSaveFiles noTemp;
    noTemp.createFails = true;
    EXPECT_FALSE(SaveCollection(*work, CPreferences(), noTemp));

    // The disk fills up in the middle of the write (a file-size limit in a child process).
    work->children.insert(work->children.begin(), Item("head", CLIP_TEXT, "moves the rest"));
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{100000, 100000};
        setrlimit(RLIMIT_FSIZE, &limit);
        bool saved = SaveCollection(*work, CPreferences()).saved;
        bool untouched =
            (work->flags & CLIP_MODIFIED) && work->children[1]->fileOffset == offsets[0];
        _exit(saved ? 1 : untouched ? 0 : 2);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: reported success, 2: items changed";

    EXPECT_EQ(ReadAll(dir.Path("Work.qbx")), file);
    EXPECT_EQ(ReadAll(dir.Path("Work.bak")), backup);
    EXPECT_TRUE(work->flags & CLIP_MODIFIED);
    for (size_t i = 0; i < offsets.size(); ++i)
        EXPECT_EQ(work->children[i + 1]->fileOffset, offsets[i]);
    EXPECT_EQ(work->children[1]->LoadText(), "hello");
}

TEST(ActiveCollectionFile, FailedSaveReportsAndKeepsTheOldFile) {
    TempProgramFolder dir;
    ClipList list;
    list.push_back(Item("keep", CLIP_TEXT, "me"));
    ASSERT_TRUE(SaveActiveCollection(CPreferences(), list));
    const Bytes file = ReadAll(dir.Path("Clipboard.qbx"));
    list.push_back(Item("more", CLIP_TEXT, std::string(200000, 'm')));

    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{65536, 65536};
        setrlimit(RLIMIT_FSIZE, &limit);
        const SaveReport report = SaveActiveCollection(CPreferences(), list);
        _exit(report.saved ? 1 : report.error.empty() ? 2 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "1: reported success, 2: no error text";
    EXPECT_EQ(ReadAll(dir.Path("Clipboard.qbx")), file);
}

// A file that reading loses something of is copied aside, unchanged, before the first write
// over it, and the write goes on with what could be read. Reading alone changes nothing,
// and a file that reads whole or holds nothing is simply written.
TEST(ActiveCollectionFile, AFileThatDidNotReadWholeIsKeptBeforeItIsWrittenOver) {
    Bytes whole = EmptyCollectionFile();
    for (const char* text : {"one", "two", "six"}) {
        AppendShort(whole, text);
        AppendU16(whole, CLIP_TEXT);
        AppendShort(whole, text);
        whole.push_back(0);
    }
    Bytes badLength = whole;
    badLength[40 + 11 + 6] = 0xFE; // the second item's text length reaches past the end
    Bytes newer = whole;
    newer[5] = '3';
    newer[7] = '0';
    const struct Case {
        const char* what;
        Bytes file;
        size_t itemsRead;
        bool kept, copyFails;
    } cases[] = {
        {"bad length in item 2", badLength, 1, true, false},
        {"a newer version", newer, 0, true, false},
        {"cut short", Bytes(whole.begin(), whole.begin() + 10), 0, true, false},
        {"empty", Bytes(), 0, false, false},
        {"whole", whole, 3, false, false},
        {"cut, and no copy can be made", badLength, 1, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempProgramFolder dir;
        WriteAll(dir.Path("Clipboard.qbx"), c.file);
        WriteAll(dir.Path("Clipboard.qbx.damaged-1"), {1}); // from an earlier start
        const std::string copy = dir.Path("Clipboard.qbx.damaged-2");
        CPreferences prefs;
        ClipList list;
        LoadActiveCollection(prefs, list, kScreen);
        EXPECT_EQ(list.size(), c.itemsRead);
        EXPECT_FALSE(Exists(copy)) << "reading alone keeps no copy";

        FakeSaveFiles files;
        files.copyFails = c.copyFails;
        const SaveReport saved = SaveActiveCollection(prefs, list, files);
        if (c.copyFails) {
            EXPECT_EQ(saved.error, files.error);
            EXPECT_EQ(ReadAll(dir.Path("Clipboard.qbx")), c.file) << "written over";
            continue;
        }
        ASSERT_TRUE(saved.saved);
        EXPECT_EQ(saved.keptAs, c.kept ? copy : "");
        EXPECT_EQ(ReadAll(copy), c.kept ? c.file : Bytes());
        EXPECT_EQ(CheckQbxFile(dir.Path("Clipboard.qbx")).records, c.itemsRead);
        ASSERT_TRUE(SaveActiveCollection(prefs, list));
        EXPECT_FALSE(Exists(dir.Path("Clipboard.qbx.damaged-3"))) << "kept once";
    }
}

// A caption never leads out of the program folder: a record of type 0 reads from the file
// it lies in, and a collection name that is a path names no file at all.
TEST(CollectionFile, CaptionsNeverLeadOutOfTheFolder) {
    TempProgramFolder dir;
    ASSERT_EQ(mkdir(dir.Path("prog").c_str(), 0755), 0);
    SetProgramPath(dir.Path("prog/quillbox.exe"));
    auto work = CClipItem::NewCollection("Work");
    work->children.push_back(Bitmap("../Secret", {1, 2, 3}));
    work->children[0]->type = CLIP_COLLECTION;
    ASSERT_TRUE(SaveCollection(*work, CPreferences()));
    Bytes secret = ReadAll(dir.Path("prog/Work.qbx"));
    for (size_t i = secret.size() - 4; i < secret.size() - 1; ++i)
        secret[i] = 7;
    WriteAll(dir.Path("Secret.qbx"), secret);

    auto read = LoadCollection("Work");
    ASSERT_EQ(read->children.size(), 1u);
    read->children[0]->Materialize();
    EXPECT_EQ(read->children[0]->dib, (Bytes{1, 2, 3}));

    for (const char* name : {"../Secret", "..\\Secret", "C:\\Secret", "\\\\server\\Secret", ".."})
        EXPECT_EQ(CollectionPath(name), "") << name;
    EXPECT_EQ(CollectionPath(".hidden"), dir.Path("prog/.hidden.qbx"));
}
