// The qbx tool, run as a program on temporary files.
#include "store/collection_file.h"

#include "qbx_test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef QBX_TOOL_PATH

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::string Slurp(const std::string& path) {
    Bytes b = ReadAll(path);
    return std::string(b.begin(), b.end());
}

// Runs qbx with `args` in `dir`, stdin from `input`.
ToolRun Qbx(const TempProgramFolder& dir, const std::vector<std::string>& args,
            const std::string& input = "") {
    WriteAll(dir.Path("stdin.txt"), Bytes(input.begin(), input.end()));
    std::string cmd = "cd " + Quote(dir.Dir()) + " && " + Quote(QBX_TOOL_PATH);
    for (const std::string& a : args)
        cmd += " " + Quote(a);
    cmd += " <stdin.txt >stdout.bin 2>stderr.txt";
    int status = std::system(cmd.c_str());
    ToolRun r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = Slurp(dir.Path("stdout.bin"));
    r.err = Slurp(dir.Path("stderr.txt"));
    return r;
}

// One line ending in a newline.
bool OneLine(const std::string& s) {
    return !s.empty() && s.back() == '\n' && s.find('\n') == s.size() - 1;
}

const char kRtf[] = "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 Hello\\par World}";

// A text, a Rich Text, a file list and a bitmap.
ClipList SampleItems(const Bytes& dib) {
    ClipList items;
    items.push_back(CClipItem::FromText("first line\r\nsecond"));
    items[0]->SetHtml("<p>first</p>");
    items.push_back(CClipItem::FromRtf(kRtf));
    const char files[] = "C:\\a\\x.txt\0C:\\a\\y.txt\0";
    items.push_back(
        CClipItem::FromFileList(reinterpret_cast<const uint8_t*>(files), sizeof files, false));
    uint8_t counter = 6;
    items.push_back(CClipItem::FromDib(dib, counter));
    return items;
}

// Clipboard.qbx with the sample items.
void WriteSample(const Bytes& dib) {
    ClipList items = SampleItems(dib);
    ASSERT_TRUE(SaveActiveCollection(CPreferences(), items));
}

time_t ModTime(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? st.st_mtime : 0;
}

} // namespace

TEST(QbxTool, ListsAndShowsEveryKind) {
    TempProgramFolder dir;
    Bytes dib = MakeDib(3, 2);
    WriteSample(dib);

    ToolRun list = Qbx(dir, {"list", "Clipboard.qbx"});
    EXPECT_EQ(list.exitCode, 0) << list.err;
    EXPECT_EQ(list.out, "1\ttext\t18\tfirst line second\n"
                        "2\trtf\t12\tHello World\n"
                        "3\tfiles\t24\tx.txt + 1 file\n"
                        "4\tbitmap\t" +
                            std::to_string(dib.size()) +
                            "\tBitmap 007 (3x2x16M) 24 bits True Color\n");

    EXPECT_EQ(Qbx(dir, {"show", "Clipboard.qbx", "1"}).out, "first line\r\nsecond");
    EXPECT_EQ(Qbx(dir, {"show", "Clipboard.qbx", "1", "--html"}).out, "<p>first</p>");
    EXPECT_EQ(Qbx(dir, {"show", "Clipboard.qbx", "2"}).out, "Hello\r\nWorld");
    EXPECT_EQ(Qbx(dir, {"show", "--raw", "Clipboard.qbx", "2"}).out, kRtf);
    EXPECT_EQ(Qbx(dir, {"show", "Clipboard.qbx", "3"}).out, "C:\\a\\x.txt\r\nC:\\a\\y.txt\r\n");

    ToolRun bmp = Qbx(dir, {"show", "Clipboard.qbx", "4"});
    EXPECT_EQ(bmp.exitCode, 0) << bmp.err;
    Bytes header;
    Append(header, "BM");
    AppendU32(header, static_cast<uint32_t>(14 + dib.size()));
    AppendU32(header, 0);
    AppendU32(header, 14 + 40); // 24 bits: no colour table
    ASSERT_EQ(bmp.out.size(), 14 + dib.size());
    EXPECT_EQ(Bytes(bmp.out.begin(), bmp.out.begin() + 14), header);
    EXPECT_EQ(Bytes(bmp.out.begin() + 14, bmp.out.end()), dib);
    EXPECT_EQ(Qbx(dir, {"show", "Clipboard.qbx", "4", "--raw"}).out,
              std::string(dib.begin(), dib.end()));

    ToolRun check = Qbx(dir, {"check", "Clipboard.qbx"});
    EXPECT_EQ(check.exitCode, 0);
    EXPECT_EQ(check.out, "Clipboard.qbx: whole, 4 items, " +
                             std::to_string(ReadAll(dir.Path("Clipboard.qbx")).size()) +
                             " bytes\n");
}

TEST(QbxTool, ListKeepsEachItemOnOneLine) {
    TempProgramFolder dir;
    ClipList items;
    items.push_back(Item(std::string("a\tb\nc\0d\x01\x7F C:\\x", 14), CLIP_TEXT, "t"));
    ASSERT_TRUE(SaveActiveCollection(CPreferences(), items));
    EXPECT_EQ(Qbx(dir, {"list", "Clipboard.qbx"}).out,
              "1\ttext\t1\ta\\tb\\nc\\0d\\x01\\x7F C:\\x\n");
}

TEST(QbxTool, BadInputGetsOneLineAndChangesNothing) {
    TempProgramFolder dir;
    WriteSample(MakeDib(2, 2));
    Bytes whole = ReadAll(dir.Path("Clipboard.qbx"));
    const size_t cutAt = whole.size() - 5; // inside the bitmap's DIB
    WriteAll(dir.Path("Cut.qbx"), Bytes(whole.begin(), whole.begin() + cutAt));
    WriteAll(dir.Path("Empty.qbx"), {});
    Bytes foreign = whole;
    foreign[2] = 'Z';
    WriteAll(dir.Path("Foreign.qbx"), foreign);
    WriteAll(dir.Path("Short.qbx"), Bytes(whole.begin(), whole.begin() + 12));

    struct Case {
        std::vector<std::string> args;
        int exitCode;
        const char* mentions;
    } cases[] = {
        {{"list", "Missing.qbx"}, 1, "no such file"},
        {{"list", "Empty.qbx"}, 1, "empty"},
        {{"list", "Short.qbx"}, 1, "too short"},
        {{"prefs", "Foreign.qbx"}, 1, "not a collection file"},
        {{"check", "Foreign.qbx"}, 1, "QBX_2.9"},
        {{"check", "Cut.qbx"}, 1, "inside its DIB, which begins at byte "},
        {{"show", "Clipboard.qbx", "0"}, 1, "bad item number"},
        {{"show", "Clipboard.qbx", "5"}, 1, "no item 5"},
        {{"show", "Clipboard.qbx", "x1"}, 1, "bad item number"},
        {{"show", "Cut.qbx", "4"}, 1, "incomplete"},
        {{"list", "Clipboard.qbx", "--bogus"}, 1, "unknown option"},
        {{"set", "Clipboard.qbx", "m_nSound=x"}, 1, "not a number"},
        {{"set", "Clipboard.qbx", "m_nMaxItems=256"}, 1, "out of range"},
        {{"set", "Clipboard.qbx", "m_nOops=1"}, 1, "no preference field"},
        {{"set", "Cut.qbx", "m_nSound=1"}, 1, "not changed"},
        {{"set", "Foreign.qbx", "m_nSound=1"}, 1, "not a collection file"},
        {{"list"}, 2, "usage"},
        {{"show", "Clipboard.qbx"}, 2, "usage"},
        {{"show", "Clipboard.qbx", "1", "--raw", "--html"}, 2, "usage"},
        {{"frobnicate", "Clipboard.qbx"}, 2, "unknown command"},
        {{}, 2, "usage"},
    };
    std::vector<std::string> names = {"Clipboard.qbx", "Cut.qbx", "Empty.qbx", "Foreign.qbx",
                                      "Short.qbx"};
    std::vector<Bytes> before;
    for (const std::string& n : names)
        before.push_back(ReadAll(dir.Path(n)));
    for (const Case& c : cases) {
        ToolRun r = Qbx(dir, c.args);
        std::string what = c.args.empty() ? "(none)" : c.args[0] + " " + c.args.back();
        EXPECT_EQ(r.exitCode, c.exitCode) << what << ": " << r.err;
        if (c.exitCode == 2 && c.args.size() < 2) {
            EXPECT_NE(r.err.find(c.mentions), std::string::npos) << what << ": " << r.err;
            continue; // the usage text has several lines
        }
        EXPECT_TRUE(OneLine(r.err)) << what << ": " << r.err;
        EXPECT_NE(r.err.find(c.mentions), std::string::npos) << what << ": " << r.err;
    }
    for (size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(ReadAll(dir.Path(names[i])), before[i]) << names[i];
    EXPECT_NE(access(dir.Path("Missing.qbx").c_str(), F_OK), 0);

    // A cut file still lists its whole items, then says where it ends.
    ToolRun cut = Qbx(dir, {"list", "Cut.qbx"});
    EXPECT_EQ(cut.exitCode, 1);
    EXPECT_EQ(std::count(cut.out.begin(), cut.out.end(), '\n'), 3);
    EXPECT_NE(cut.err.find("item 4 at byte"), std::string::npos) << cut.err;
}

TEST(QbxTool, ReadingCommandsLeaveTheFileAlone) {
    TempProgramFolder dir;
    WriteSample(MakeDib(4, 4));
    const std::string path = dir.Path("Clipboard.qbx");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    struct timespec old[2] = {{1000000, 0}, {1000000, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), old, 0), 0);
    const Bytes before = ReadAll(path);
    for (std::vector<std::string> args : {std::vector<std::string>{"list", "Clipboard.qbx"},
                                          {"show", "Clipboard.qbx", "2"},
                                          {"show", "Clipboard.qbx", "4"},
                                          {"prefs", "Clipboard.qbx"},
                                          {"check", "Clipboard.qbx"},
                                          {"prefs", "--collection", "Clipboard.qbx"}}) {
        EXPECT_EQ(Qbx(dir, args).exitCode, 0) << args[0];
    }
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_EQ(ModTime(path), 1000000);
    EXPECT_NE(access((path + ".tmp").c_str(), F_OK), 0) << "no temporary file";
}

TEST(QbxTool, PrefsAndSet) {
    TempProgramFolder dir;
    // A missing file is created with the defaults.
    ToolRun created = Qbx(dir, {"set", "Clipboard.qbx", "m_nMaxItems=20", "m_nUserHotKeyVk=0x51",
                                "m_nUserHotKeyMods=2", "m_ptHot.x=-28", "m_dwOptions=0xF91F"});
    ASSERT_EQ(created.exitCode, 0) << created.err;
    Bytes file = ReadAll(dir.Path("Clipboard.qbx"));
    ASSERT_EQ(file.size(), 40u);
    EXPECT_EQ(file[12], 20);
    EXPECT_EQ(file[30], 0x51);
    EXPECT_EQ(file[31], 0x02);

    ToolRun prefs = Qbx(dir, {"prefs", "Clipboard.qbx"});
    EXPECT_EQ(prefs.exitCode, 0);
    EXPECT_NE(prefs.out.find("m_dwOptions=0xF91F\n"), std::string::npos) << prefs.out;
    EXPECT_NE(prefs.out.find("m_nMaxItems=20\n"), std::string::npos);
    EXPECT_NE(prefs.out.find("m_nUserHotKeyVk=0x51\nm_nUserHotKeyMods=0x2\n"), std::string::npos);
    EXPECT_NE(prefs.out.find("m_ptHot.x=-28\nm_ptHot.y=60\n"), std::string::npos);
    EXPECT_NE(prefs.out.find("m_nHotMenuWidth=100\n"), std::string::npos);
    // The same bytes read as another collection's file swap the hot-key fields.
    ToolRun asCollection = Qbx(dir, {"prefs", "Clipboard.qbx", "--collection"});
    EXPECT_NE(asCollection.out.find("m_nUserHotKeyVk=0x2\nm_nUserHotKeyMods=0x51\n"),
              std::string::npos);

    // Items stay when preferences change; other files put the modifiers first.
    WriteSample(MakeDib(2, 2));
    ASSERT_EQ(rename(dir.Path("Clipboard.qbx").c_str(), dir.Path("Work.qbx").c_str()), 0);
    Bytes items = ReadAll(dir.Path("Work.qbx"));
    ASSERT_EQ(Qbx(dir, {"set", "Work.qbx", "m_nUserHotKeyVk=0x41", "m_nSound=3"}).exitCode, 0);
    Bytes changed = ReadAll(dir.Path("Work.qbx"));
    ASSERT_EQ(changed.size(), items.size());
    EXPECT_EQ(changed[31], 0x41);
    EXPECT_EQ(changed[39], 3);
    EXPECT_EQ(Bytes(changed.begin() + 40, changed.end()), Bytes(items.begin() + 40, items.end()));
}

TEST(QbxTool, RtfToText) {
    TempProgramFolder dir;
    ToolRun fromStdin = Qbx(dir, {"rtf2text"}, kRtf);
    EXPECT_EQ(fromStdin.exitCode, 0);
    EXPECT_EQ(fromStdin.out, "Hello\r\nWorld");
    WriteAll(dir.Path("doc.rtf"), Bytes(std::begin(kRtf), std::end(kRtf) - 1));
    EXPECT_EQ(Qbx(dir, {"rtf2text", "doc.rtf"}).out, "Hello\r\nWorld");
    EXPECT_EQ(Qbx(dir, {"rtf2text", "nothing.rtf"}).exitCode, 1);
}

#endif // QBX_TOOL_PATH

#ifdef QBX_TOOL_PATH

namespace {

// The captions of the items of `file`, first to last, as qbx list shows them.
std::vector<std::string> Captions(const TempProgramFolder& dir, const std::string& file) {
    ToolRun list = Qbx(dir, {"list", file});
    EXPECT_EQ(list.exitCode, 0) << list.err;
    std::vector<std::string> captions;
    size_t start = 0;
    while (start < list.out.size()) {
        size_t end = list.out.find('\n', start);
        std::string line = list.out.substr(start, end - start);
        captions.push_back(line.substr(line.rfind('\t') + 1));
        start = end + 1;
    }
    return captions;
}

} // namespace

TEST(QbxTool, AddFollowsTheCaptureRules) {
    TempProgramFolder dir;
    using V = std::vector<std::string>;
    ASSERT_EQ(Qbx(dir, {"set", "Work.qbx", "m_nMaxItems=3", "m_nMaxItemSizeKB=1"}).exitCode, 0);

    const Bytes before = ReadAll(dir.Path("Work.qbx"));
    for (const std::string& refused : {std::string("ab"), std::string(1025, 'x')}) {
        ToolRun r = Qbx(dir, {"add", "Work.qbx", "--text", refused});
        EXPECT_EQ(r.exitCode, 1) << refused.size();
        EXPECT_NE(r.err.find("not added"), std::string::npos) << r.err;
    }
    EXPECT_EQ(ReadAll(dir.Path("Work.qbx")), before);

    for (const char* text : {"hello", "world", "hello"})
        ASSERT_EQ(Qbx(dir, {"add", "Work.qbx", "--text", text}).exitCode, 0);
    EXPECT_EQ(Captions(dir, "Work.qbx"), (V{"hello", "world"})) << "a copy moves to the head";

    ASSERT_EQ(Qbx(dir, {"add", "Work.qbx", "--files", "C:\\a\\x.txt", "C:\\a\\y.txt"}).exitCode, 0);
    ASSERT_EQ(Qbx(dir, {"add", "Work.qbx", "--text", "third"}).exitCode, 0);
    EXPECT_EQ(Captions(dir, "Work.qbx"), (V{"third", "x.txt + 1 file", "hello"}))
        << "trimmed from the tail to three";

    // Plain text equal to a Rich Text item's text brings that item forward.
    const std::string rtf = "{\\rtf1 Rich words}";
    WriteAll(dir.Path("doc.rtf"), Bytes(rtf.begin(), rtf.end()));
    ASSERT_EQ(Qbx(dir, {"add", "Work.qbx", "--rtf", "doc.rtf"}).exitCode, 0);
    ASSERT_EQ(Qbx(dir, {"add", "Work.qbx", "--text", "new"}).exitCode, 0);
    ASSERT_EQ(Qbx(dir, {"add", "Work.qbx", "--text", "Rich words"}).exitCode, 0);
    EXPECT_EQ(Captions(dir, "Work.qbx"), (V{"Rich words", "new", "third"}));
    EXPECT_EQ(Qbx(dir, {"show", "Work.qbx", "1", "--raw"}).out, rtf);

    // A caption of one's own (a schedule, a counter) and the HTML of the cut.
    ASSERT_EQ(Qbx(dir, {"add", "Work.qbx", "--caption", "+2Pass %u", "--text", "pass", "--html",
                        "<b>pass</b>"})
                  .exitCode,
              0);
    EXPECT_EQ(Captions(dir, "Work.qbx").front(), "+2Pass %u");
    EXPECT_EQ(Qbx(dir, {"show", "Work.qbx", "1", "--html"}).out, "<b>pass</b>");
    EXPECT_EQ(Qbx(dir, {"add", "Work.qbx", "--text", "x y z", "--caption"}).exitCode, 2);
}

TEST(QbxTool, AddBitmapsAtTheTail) {
    TempProgramFolder dir;
    // Neither insert-position bit: items go to the tail, and the tail bit is set.
    ASSERT_EQ(Qbx(dir, {"set", "Clipboard.qbx", "m_dwOptions=0x1004"}).exitCode, 0);
    ASSERT_EQ(Qbx(dir, {"add", "Clipboard.qbx", "--text", "first"}).exitCode, 0);

    Bytes dib = MakeDib(3, 2);
    Bytes bmp;
    Append(bmp, "BM");
    AppendU32(bmp, static_cast<uint32_t>(14 + dib.size()));
    AppendU32(bmp, 0);
    AppendU32(bmp, 54);
    bmp.insert(bmp.end(), dib.begin(), dib.end());
    WriteAll(dir.Path("pic.bmp"), bmp);
    for (int i = 0; i < 2; ++i)
        ASSERT_EQ(Qbx(dir, {"add", "Clipboard.qbx", "--bmp", "pic.bmp"}).exitCode, 0);
    EXPECT_EQ(Captions(dir, "Clipboard.qbx"),
              (std::vector<std::string>{"first", "Bitmap 002 (3x2x16M) 24 bits True Color"}))
        << "the equal bitmap went, the counter went on";
    EXPECT_EQ(Qbx(dir, {"show", "Clipboard.qbx", "2"}).out, std::string(bmp.begin(), bmp.end()));
    EXPECT_NE(Qbx(dir, {"prefs", "Clipboard.qbx"}).out.find("m_dwOptions=0x1204\n"),
              std::string::npos);

    WriteAll(dir.Path("bad.bmp"), Bytes(60, 'B'));
    ToolRun bad = Qbx(dir, {"add", "Clipboard.qbx", "--bmp", "bad.bmp"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(OneLine(bad.err)) << bad.err;
    EXPECT_EQ(Qbx(dir, {"add", "Clipboard.qbx", "--bmp"}).exitCode, 2);
    EXPECT_EQ(Qbx(dir, {"add", "Clipboard.qbx", "--jpeg", "x"}).exitCode, 1);
}

TEST(QbxTool, EveryReaderSaysWhereACutFileEnds) {
    TempProgramFolder dir;
    ClipList all = SampleItems(MakeDib(2, 2)), firstOnly = SampleItems(MakeDib(2, 2));
    firstOnly.resize(1);
    ASSERT_TRUE(
        WriteQbxFile(dir.Path("One.qbx"), QbxLayout::Collection, CPreferences(), firstOnly));
    ASSERT_TRUE(WriteQbxFile(dir.Path("All.qbx"), QbxLayout::Collection, CPreferences(), all));
    const size_t item2 = ReadAll(dir.Path("One.qbx")).size();
    const Bytes whole = ReadAll(dir.Path("All.qbx"));
    const std::string at2 = std::to_string(item2), end2 = std::to_string(item2 + 3);
    WriteAll(dir.Path("CutIn1.qbx"), Bytes(whole.begin(), whole.begin() + 45));
    WriteAll(dir.Path("CutIn2.qbx"), Bytes(whole.begin(), whole.begin() + item2 + 3));
    WriteAll(dir.Path("CutBlock.qbx"), Bytes(whole.begin(), whole.begin() + 20));
    WriteAll(dir.Path("CutBeforeHtml.qbx"), Bytes(whole.begin(), whole.end() - 1));

    // What is whole is printed (`out` begins the output; empty: none), then one line says
    // where the file is cut.
    struct Case {
        std::vector<std::string> args;
        std::string out;
        std::string err;
    } cases[] = {
        {{"show", "CutIn2.qbx", "1"},
         "first line\r\nsecond",
         "CutIn2.qbx: item 2 at byte " + at2 + " is incomplete (the file ends at byte " + end2 +
             ")"},
        {{"show", "CutIn2.qbx", "1", "--html"}, "<p>first</p>", "item 2 at byte " + at2},
        {{"show", "CutIn2.qbx", "2"}, "", "item 2 at byte " + at2},
        {{"show", "CutIn1.qbx", "2"},
         "",
         "CutIn1.qbx: item 1 at byte 40 is incomplete (the file ends at byte 45), so item 2 "
         "cannot be shown"},
        {{"prefs", "CutIn1.qbx"}, "m_dwOptions=", "item 1 at byte 40 is incomplete"},
        {{"list", "CutIn1.qbx"}, "", "item 1 at byte 40 is incomplete"},
        {{"check", "CutIn2.qbx"},
         "",
         "CutIn2.qbx: item 2 at byte " + at2 + " is incomplete: the file ends at byte " + end2 +
             ", inside its caption, which begins at byte " + at2},
        {{"check", "CutBeforeHtml.qbx"}, "", "where its html should begin"},
    };
    for (const Case& c : cases) {
        ToolRun r = Qbx(dir, c.args);
        std::string what = c.args[0] + " " + c.args[1] + " " + c.args.back();
        EXPECT_EQ(r.exitCode, 1) << what;
        EXPECT_TRUE(c.out.empty() ? r.out.empty() : r.out.compare(0, c.out.size(), c.out) == 0)
            << what << ": " << r.out;
        EXPECT_TRUE(OneLine(r.err)) << what << ": " << r.err;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << what << ": " << r.err;
        EXPECT_EQ(r.err.find("0 items"), std::string::npos) << what << ": " << r.err;
    }

    // A cut preference block leaves nothing whole to print, and nothing is changed.
    for (std::vector<std::string> args : {std::vector<std::string>{"list", "CutBlock.qbx"},
                                          {"prefs", "CutBlock.qbx"},
                                          {"show", "CutBlock.qbx", "1"},
                                          {"check", "CutBlock.qbx"},
                                          {"set", "CutBlock.qbx", "m_nSound=1"},
                                          {"add", "CutBlock.qbx", "--text", "hello"}}) {
        ToolRun r = Qbx(dir, args);
        EXPECT_EQ(r.exitCode, 1) << args[0];
        EXPECT_EQ(r.out, "") << args[0];
        EXPECT_TRUE(OneLine(r.err)) << args[0] << ": " << r.err;
        EXPECT_NE(r.err.find("CutBlock.qbx: the preference block at byte 8 is incomplete (the "
                             "file ends at byte 20)"),
                  std::string::npos)
            << args[0] << ": " << r.err;
    }
    EXPECT_EQ(ReadAll(dir.Path("CutBlock.qbx")), Bytes(whole.begin(), whole.begin() + 20));
}

TEST(QbxTool, AFolderIsNamedAsOne) {
    TempProgramFolder dir;
    WriteSample(MakeDib(2, 2));
    ASSERT_EQ(mkdir(dir.Path("Folder.qbx").c_str(), 0755), 0);
    for (std::vector<std::string> args : {std::vector<std::string>{"list", "Folder.qbx"},
                                          {"prefs", "Folder.qbx"},
                                          {"show", "Folder.qbx", "1"},
                                          {"check", "Folder.qbx"},
                                          {"set", "Folder.qbx", "m_nSound=1"},
                                          {"add", "Folder.qbx", "--text", "hello"},
                                          {"add", "Clipboard.qbx", "--bmp", "Folder.qbx"},
                                          {"rtf2text", "Folder.qbx"}}) {
        ToolRun r = Qbx(dir, args);
        EXPECT_EQ(r.exitCode, 1) << args[0];
        EXPECT_TRUE(OneLine(r.err)) << args[0] << ": " << r.err;
        EXPECT_NE(r.err.find("Folder.qbx: is a directory, not a file"), std::string::npos)
            << args[0] << ": " << r.err;
    }
    struct stat st;
    ASSERT_EQ(stat(dir.Path("Folder.qbx").c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_NE(access(dir.Path("Folder.qbx.tmp").c_str(), F_OK), 0);
}

TEST(QbxTool, BitmapsGoOutAsBitmapFilesAndComeBackWithoutTheirHeader) {
    TempProgramFolder dir;
    // A DIB with bytes after its pixel array, behind a file header that is not "BM":
    // everything after the first 14 bytes is taken as it is.
    Bytes dib = MakeDib(3, 2); // rows of 12 bytes
    ASSERT_EQ(dib.size(), 40u + 24);
    Bytes padded = dib;
    Append(padded, {0xEE, 0xEE, 0xEE, 0xEE, 0xEE});
    Bytes odd(14, 'X');
    odd.insert(odd.end(), padded.begin(), padded.end());
    WriteAll(dir.Path("odd.bmp"), odd);
    ToolRun add = Qbx(dir, {"add", "Clipboard.qbx", "--bmp", "odd.bmp"});
    ASSERT_EQ(add.exitCode, 0) << add.err;
    EXPECT_EQ(Qbx(dir, {"show", "Clipboard.qbx", "1", "--raw"}).out,
              std::string(padded.begin(), padded.end()));

    // The file ends with the pixel array, and its size field says so.
    Bytes bmp;
    Append(bmp, "BM");
    AppendU32(bmp, 14 + 40 + 24);
    AppendU32(bmp, 0);
    AppendU32(bmp, 54);
    bmp.insert(bmp.end(), dib.begin(), dib.end());
    ToolRun show = Qbx(dir, {"show", "Clipboard.qbx", "1"});
    EXPECT_EQ(show.exitCode, 0) << show.err;
    EXPECT_EQ(show.out, std::string(bmp.begin(), bmp.end()));

    ToolRun check = Qbx(dir, {"check", "Clipboard.qbx"});
    EXPECT_NE(check.out.find(": whole, 1 item, "), std::string::npos) << check.out;

    // Files with no bitmap header after their first 14 bytes are still refused.
    WriteAll(dir.Path("tiny.bmp"), Bytes(14, 'B'));
    WriteAll(dir.Path("text.bmp"), Bytes(100, 'a'));
    for (const char* name : {"tiny.bmp", "text.bmp"}) {
        ToolRun r = Qbx(dir, {"add", "Clipboard.qbx", "--bmp", name});
        EXPECT_EQ(r.exitCode, 1) << name;
        EXPECT_TRUE(OneLine(r.err)) << r.err;
        EXPECT_NE(r.err.find("not a bitmap file"), std::string::npos) << r.err;
    }
}

#endif // QBX_TOOL_PATH
