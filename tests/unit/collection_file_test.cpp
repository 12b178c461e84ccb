#include "store/collection_file.h"

#include "fakes/fake_save_files.h"
#include "platform/files.h"
#include "platform/ui_strings.h"
#include "qbx_test_files.h"
#include "store/stored_content.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const ScreenSize kScreen{1024, 768};
const std::string kLong = std::string(600, 'L') + "end";

// Work.qbx with a text, a bitmap, a Rich Text item and a long text, read back.
std::unique_ptr<CClipItem> SavedWork(const Bytes& dib, const char* file = __builtin_FILE(),
                                     int line = __builtin_LINE()) {
    auto node = CClipItem::NewCollection("Work");
    node->children.push_back(Item("abc", CLIP_TEXT, "hello"));
    node->children.push_back(Bitmap("pic", dib, "<img>"));
    node->children.push_back(Item("rich", CLIP_RTF, "{\\rtf1 Rich}", "<b>Rich</b>"));
    node->children.push_back(Item("long", CLIP_TEXT, kLong));
    if (!SaveCollection(*node, CPreferences()))
        ADD_FAILURE_AT(file, line) << "Work.qbx not saved";
    return LoadCollection("Work");
}

// Runs `save` in a child process that may write files of `limit` bytes only, as on a disk
// that fills up; the child's exit status is what `save` returns.
int WithFullDisk(rlim_t limit, const std::function<int()>& save) {
    pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit r{limit, limit};
        setrlimit(RLIMIT_FSIZE, &r);
        _exit(save());
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace

TEST(ActiveCollectionFile, MissingShortOrForeignFiles) {
    TempProgramFolder dir;
    CPreferences prefs;
    prefs.m_nMaxItems = 77;
    ClipList list;
    LoadActiveCollection(prefs, list, kScreen);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0]->text, LoadUiString(3062));
    EXPECT_EQ(prefs.m_nMaxItems, 77);

    Bytes valid = EmptyCollectionFile();
    valid[12] = 9;
    Bytes foreign = valid;
    foreign[3] = 'Y';
    for (const Bytes& file :
         {Bytes(15, 0x07), Bytes(), foreign, Bytes(valid.begin(), valid.begin() + 30)}) {
        WriteAll(dir.Path("Clipboard.qbx"), file);
        ClipList l;
        LoadActiveCollection(prefs, l, kScreen);
        EXPECT_TRUE(l.empty()) << file.size();
        EXPECT_EQ(prefs.m_nMaxItems, 77) << file.size();
        EXPECT_EQ(ReadAll(dir.Path("Clipboard.qbx")), file) << "read-only";
    }
    WriteAll(dir.Path("Clipboard.qbx"), valid);
    LoadActiveCollection(prefs, list, kScreen);
    EXPECT_EQ(prefs.m_nMaxItems, 9);
}

TEST(CollectionFile, OffsetsPastTheEndGiveTheErrorText) {
    TempProgramFolder dir;
    auto work = SavedWork(MakeDib(8, 8));
    Bytes file = ReadAll(dir.Path("Work.qbx"));
    // Cut inside the first item's text: every offset now reaches past the end or into a
    // string that no longer fits.
    WriteAll(dir.Path("Work.qbx"), Bytes(file.begin(), file.begin() + 48));
    const std::string error = LoadUiString(3002);
    CClipItem& pic = *work->children[1];
    EXPECT_EQ(work->children[0]->LoadText(), error);
    EXPECT_EQ(work->children[2]->LoadText(), error);
    EXPECT_EQ(pic.GetPreviewSize(), (PixelSize{32, 32}));
    pic.Materialize();
    EXPECT_EQ(std::make_tuple(pic.text, pic.dib.size(), pic.fileOffset),
              std::make_tuple(error, size_t(0), 0u));

    // A file that cannot be opened: LoadText gives nothing, Materialize the error text.
    ASSERT_EQ(unlink(dir.Path("Work.qbx").c_str()), 0);
    EXPECT_EQ(work->children[0]->LoadText(), "");
    work->children[0]->Materialize();
    EXPECT_EQ(work->children[0]->text, error);
}

TEST(CollectionFile, ContentInTheFileIsCopiedAndOffsetsFollow) {
    TempProgramFolder dir;
    Bytes dib = MakeDib(6, 5);
    auto work = SavedWork(dib);
    CPreferences prefs;
    prefs.m_nUserHotKeyVk = 0x41;
    prefs.m_nUserHotKeyMods = 0x02;
    // A new item in memory at the head moves every record in the file.
    work->children.insert(work->children.begin(), Item("new", CLIP_TEXT, std::string(300, 'n')));
    work->children[0]->owner = work.get();
    work->flags |= CLIP_MODIFIED;
    const Bytes before = ReadAll(dir.Path("Work.qbx"));
    ASSERT_TRUE(SaveCollection(*work, prefs));
    EXPECT_FALSE(work->flags & CLIP_MODIFIED);
    EXPECT_EQ(ReadAll(dir.Path("Work.bak")), before);
    Bytes after = ReadAll(dir.Path("Work.qbx"));
    EXPECT_EQ((Bytes{after[30], after[31]}), (Bytes{0x02, 0x41})) << "modifiers first";

    EXPECT_EQ(work->children[3]->LoadText(), "{\\rtf1 Rich}");
    work->children[1]->Materialize();
    EXPECT_EQ(work->children[1]->text, "hello");
    CClipItem& pic = *work->children[2];
    EXPECT_EQ(pic.GetPreviewSize(), (PixelSize{6, 5})) << "read from the file";
    pic.Materialize();
    EXPECT_EQ(std::tie(pic.dib, pic.html), std::tie(dib, "<img>"));

    auto reread = LoadCollection("Work");
    ASSERT_EQ(reread->children.size(), 5u);
    EXPECT_EQ(reread->children[3]->caption, "rich");
    EXPECT_EQ(reread->children[3]->fileOffset, work->children[3]->fileOffset);
}

TEST(CollectionFile, HtmlFromAnOlderVersionIsDropped) {
    TempProgramFolder dir;
    auto work = SavedWork(MakeDib(2, 2));
    Bytes file = ReadAll(dir.Path("Work.qbx"));
    file[7] = '8'; // the previous file now claims another version
    WriteAll(dir.Path("Work.qbx"), file);
    ASSERT_TRUE(SaveCollection(*work, CPreferences()));
    auto reread = LoadCollection("Work");
    ASSERT_EQ(reread->children.size(), 4u);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_FALSE(work->children[i]->HasHtml() || reread->children[i]->HasHtml()) << i;
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
    const CClipItem& pic = *work->children[1];
    EXPECT_EQ(std::make_tuple(pic.caption, pic.type, pic.html, pic.LoadText()),
              std::make_tuple("Error! pic", uint16_t(CLIP_TEXT), "<img>", error));
    EXPECT_EQ(work->children[2]->caption, "Error! rich");

    ClipList items;
    QbxReadResult r = ReadQbxFile(dir.Path("Work.qbx"), QbxLayout::Collection, nullptr, items,
                                  RecordContent::Keep);
    EXPECT_TRUE(r.whole);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0]->text, "hello");
    EXPECT_EQ(std::tie(items[1]->text, items[1]->html), std::tie(error, "<img>"));
    EXPECT_EQ(items[2]->type, CLIP_TEXT);
}

// What a paste or a drag reads of an item that stays in its file: a bitmap's html may be
// missing at the very end of the file, its DIB may not.
TEST(CollectionFile, StoredContentOfAnItemLeftInItsFile) {
    TempProgramFolder dir;
    const Bytes dib = MakeDib(2, 2);
    auto node = CClipItem::NewCollection("Pics");
    node->children.push_back(Bitmap("pic", dib, "<p>"));
    ASSERT_TRUE(SaveCollection(*node, CPreferences()));
    auto pics = LoadCollection("Pics");
    ASSERT_EQ(pics->children.size(), 1u);
    const CClipItem& pic = *pics->children[0];
    const Bytes file = ReadAll(dir.Path("Pics.qbx"));
    StoredContent stored;
    ASSERT_EQ(ReadStoredContent(pic, stored, false), StoredRead::Ok);
    EXPECT_EQ(std::tie(stored.dib, stored.html), std::make_tuple(Bytes(), "<p>"));
    WriteAll(dir.Path("Pics.qbx"), Bytes(file.begin(), file.end() - 4)); // no html string
    ASSERT_EQ(ReadStoredContent(pic, stored), StoredRead::Ok);
    EXPECT_EQ(std::tie(stored.dib, stored.html), std::tie(dib, ""));
    WriteAll(dir.Path("Pics.qbx"), Bytes(file.begin(), file.end() - 5));
    EXPECT_EQ(ReadStoredContent(pic, stored), StoredRead::PastEnd);
    ASSERT_EQ(unlink(dir.Path("Pics.qbx").c_str()), 0);
    EXPECT_EQ(ReadStoredContent(pic, stored), StoredRead::Unreadable);
}

TEST(CollectionFile, FailedSaveLeavesFilesAndItemsAsTheyWere) {
    TempProgramFolder dir;
    auto work = SavedWork(MakeDib(64, 64));
    work->children.push_back(Item("big", CLIP_TEXT, std::string(300000, 'b')));
    ASSERT_TRUE(SaveCollection(*work, CPreferences())); // now Work.bak exists
    const Bytes file = ReadAll(dir.Path("Work.qbx"));
    const Bytes backup = ReadAll(dir.Path("Work.bak"));
    const uint32_t offset = work->children[0]->fileOffset;
    work->flags |= CLIP_MODIFIED;

    FakeSaveFiles noTemp, unreadable;
    noTemp.createFails = true;
    unreadable.openFails = true; // the previous file, whose content is to be copied
    EXPECT_FALSE(SaveCollection(*work, CPreferences(), noTemp));
    EXPECT_EQ(SaveCollection(*work, CPreferences(), unreadable).error, unreadable.error);

    // The disk fills up in the middle of the write.
    work->children.insert(work->children.begin(), Item("head", CLIP_TEXT, "moves the rest"));
    const auto save = [&] {
        const SaveReport report = SaveCollection(*work, CPreferences());
        if (report.saved || report.error.empty())
            return 1;
        return (work->flags & CLIP_MODIFIED) && work->children[1]->fileOffset == offset ? 0 : 2;
    };
    EXPECT_EQ(WithFullDisk(100000, save), 0)
        << "1: reported success, or said nothing, 2: items changed";
    EXPECT_EQ(ReadAll(dir.Path("Work.qbx")), file);
    EXPECT_EQ(ReadAll(dir.Path("Work.bak")), backup);
    EXPECT_EQ(work->children[1]->LoadText(), "hello");
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
        EXPECT_FALSE(files::Exists(copy)) << "reading alone keeps no copy";

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
        EXPECT_FALSE(files::Exists(dir.Path("Clipboard.qbx.damaged-3"))) << "kept once";
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
