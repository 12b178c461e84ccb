// The qbx tool, run as a program on temporary files.
#include "store/collection_file.h"

#include "qbx_test_files.h"

#include <gtest/gtest.h>

#include <sstream>

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

// Runs qbx with `args` in `dir`, stdin from `input`.
ToolRun Qbx(const TempProgramFolder& dir, const std::vector<std::string>& args,
            const std::string& input = "") {
    WriteAll(dir.Path("stdin.txt"), Bytes(input.begin(), input.end()));
    std::string cmd = "cd " + Quote(dir.Dir()) + " && " + Quote(QBX_TOOL_PATH);
    for (const std::string& a : args)
        cmd += " " + Quote(a);
    cmd += " <stdin.txt >stdout.bin 2>stderr.txt";
    int status = std::system(cmd.c_str());
    const Bytes out = ReadAll(dir.Path("stdout.bin")), err = ReadAll(dir.Path("stderr.txt"));
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, std::string(out.begin(), out.end()),
            std::string(err.begin(), err.end())};
}

// What a run that must succeed printed; a failure is reported at the caller's line.
std::string Ok(const TempProgramFolder& dir, const std::vector<std::string>& args,
               const std::string& input = "", const char* file = __builtin_FILE(),
               int line = __builtin_LINE()) {
    ToolRun r = Qbx(dir, args, input);
    if (r.exitCode != 0)
        ADD_FAILURE_AT(file, line)
            << args.at(0) << ": status " << r.exitCode << ", said: " << r.err;
    return r.out;
}

// The run failed with `exitCode` and named `mentions` on the error stream (in one line for
// status 1).
void ExpectRefused(const TempProgramFolder& dir, const std::vector<std::string>& args,
                   const std::string& mentions, int exitCode = 1,
                   const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
    ToolRun r = Qbx(dir, args);
    const bool oneLine = !r.err.empty() && r.err.find('\n') == r.err.size() - 1;
    if (r.exitCode != exitCode || (exitCode == 1 && !oneLine) ||
        r.err.find(mentions) == std::string::npos)
        ADD_FAILURE_AT(file, line)
            << testing::PrintToString(args) << ": status " << r.exitCode << ", said: " << r.err;
}

const char kRtf[] = "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 Hello\\par World}";

// Clipboard.qbx with a text, a Rich Text, a file list and a bitmap.
void WriteSample(const Bytes& dib) {
    ClipList items;
    items.push_back(CClipItem::FromText("first line\r\nsecond"));
    items[0]->SetHtml("<p>first</p>");
    items.push_back(CClipItem::FromRtf(kRtf));
    const char files[] = "C:\\a\\x.txt\0C:\\a\\y.txt\0";
    items.push_back(
        CClipItem::FromFileList(reinterpret_cast<const uint8_t*>(files), sizeof files, false));
    uint8_t counter = 6;
    items.push_back(CClipItem::FromDib(dib, counter));
    ASSERT_TRUE(SaveActiveCollection(CPreferences(), items));
}

// A bitmap file: its 14-byte header, then the DIB.
std::string BmpFile(const Bytes& dib) {
    Bytes bmp;
    Append(bmp, "BM");
    AppendU32(bmp, static_cast<uint32_t>(14 + dib.size()));
    AppendU32(bmp, 0);
    AppendU32(bmp, 14 + 40); // 24 bits: no colour table
    bmp.insert(bmp.end(), dib.begin(), dib.end());
    return std::string(bmp.begin(), bmp.end());
}

// The captions that `qbx list` gives for `name`, first to last, joined by "|".
std::string Captions(const TempProgramFolder& dir, const std::string& name) {
    std::istringstream list(Qbx(dir, {"list", name}).out);
    std::string captions;
    for (std::string line; std::getline(list, line);)
        captions += (captions.empty() ? "" : "|") + line.substr(line.rfind('\t') + 1);
    return captions;
}

} // namespace

TEST(QbxTool, ListsAndShowsEveryKind) {
    TempProgramFolder dir;
    Bytes dib = MakeDib(3, 2);
    WriteSample(dib);

    EXPECT_EQ(Ok(dir, {"list", "Clipboard.qbx"}),
              "1\ttext\t18\tfirst line second\n"
              "2\trtf\t12\tHello World\n"
              "3\tfiles\t24\tx.txt + 1 file\n"
              "4\tbitmap\t" +
                  std::to_string(dib.size()) + "\tBitmap 007 (3x2x16M) 24 bits True Color\n");

    const struct {
        std::vector<std::string> args;
        std::string out;
    } shows[] = {
        {{"show", "Clipboard.qbx", "1"}, "first line\r\nsecond"},
        {{"show", "Clipboard.qbx", "1", "--html"}, "<p>first</p>"},
        {{"show", "Clipboard.qbx", "2"}, "Hello\r\nWorld"},
        {{"show", "--raw", "Clipboard.qbx", "2"}, kRtf},
        {{"show", "Clipboard.qbx", "3"}, "C:\\a\\x.txt\r\nC:\\a\\y.txt\r\n"},
        {{"show", "Clipboard.qbx", "4"}, BmpFile(dib)},
        {{"show", "Clipboard.qbx", "4", "--raw"}, std::string(dib.begin(), dib.end())},
        {{"check", "Clipboard.qbx"},
         "Clipboard.qbx: whole, 4 items, " +
             std::to_string(ReadAll(dir.Path("Clipboard.qbx")).size()) + " bytes\n"},
    };
    for (const auto& s : shows)
        EXPECT_EQ(Ok(dir, s.args), s.out) << s.args.back();

    // Captions are kept on one line.
    ClipList odd;
    odd.push_back(Item(std::string("a\tb\nc\0d\x01\x7F C:\\x", 14), CLIP_TEXT, "t"));
    ASSERT_TRUE(SaveActiveCollection(CPreferences(), odd));
    EXPECT_EQ(Ok(dir, {"list", "Clipboard.qbx"}), "1\ttext\t1\ta\\tb\\nc\\0d\\x01\\x7F C:\\x\n");

    EXPECT_EQ(Ok(dir, {"rtf2text"}, kRtf), "Hello\r\nWorld");
    WriteAll(dir.Path("doc.rtf"), Bytes(std::begin(kRtf), std::end(kRtf) - 1));
    EXPECT_EQ(Ok(dir, {"rtf2text", "doc.rtf"}), "Hello\r\nWorld");
}

TEST(QbxTool, BadInputGetsOneLineAndChangesNothing) {
    TempProgramFolder dir;
    WriteSample(MakeDib(2, 2));
    Bytes whole = ReadAll(dir.Path("Clipboard.qbx"));
    WriteAll(dir.Path("Cut.qbx"), Bytes(whole.begin(), whole.end() - 5)); // inside the DIB
    WriteAll(dir.Path("Empty.qbx"), {});
    Bytes foreign = whole;
    foreign[2] = 'Z';
    WriteAll(dir.Path("Foreign.qbx"), foreign);
    WriteAll(dir.Path("Short.qbx"), Bytes(whole.begin(), whole.begin() + 12));
    WriteAll(dir.Path("Block.qbx"), Bytes(whole.begin(), whole.begin() + 20));
    WriteAll(dir.Path("CutIn2.qbx"), Bytes(whole.begin(), whole.begin() + 95)); // item 2 at 92
    WriteAll(dir.Path("CutText.qbx"), Bytes(whole.begin(), whole.begin() + 110));
    ASSERT_EQ(mkdir(dir.Path("Folder.qbx").c_str(), 0755), 0);
    const std::vector<std::string> names = {"Clipboard.qbx", "Cut.qbx",   "Empty.qbx",
                                            "Foreign.qbx",   "Short.qbx", "Block.qbx"};
    // A cut file still lists its whole items, then says where it ends.
    ToolRun cut = Qbx(dir, {"list", "CutIn2.qbx"});
    EXPECT_EQ(cut.exitCode, 1);
    EXPECT_EQ(cut.out, "1\ttext\t18\tfirst line second\n");
    std::vector<Bytes> before;
    for (const std::string& n : names)
        before.push_back(ReadAll(dir.Path(n)));

    const struct {
        std::vector<std::string> args;
        const char* mentions;
        int exitCode;
    } cases[] = {
        {{"list", "Missing.qbx"}, "no such file", 1},
        {{"list", "Empty.qbx"}, "empty", 1},
        {{"list", "Short.qbx"}, "too short", 1},
        {{"prefs", "Foreign.qbx"}, "not a collection file", 1},
        {{"check", "Foreign.qbx"}, "QBX_2.9", 1},
        {{"check", "Cut.qbx"}, "inside its DIB, which begins at byte ", 1},
        {{"show", "Clipboard.qbx", "0"}, "bad item number", 1},
        {{"show", "Clipboard.qbx", "5"}, "no item 5", 1},
        {{"show", "Clipboard.qbx", "x1"}, "bad item number", 1},
        {{"check", "CutIn2.qbx"},
         "CutIn2.qbx: item 2 at byte 92 is incomplete: the file ends at byte 95, inside its "
         "caption, which begins at byte 92",
         1},
        {{"show", "CutIn2.qbx", "3"},
         "item 2 at byte 92 is incomplete (the file ends at byte 95), so item 3 cannot be shown",
         1},
        {{"list", "Clipboard.qbx", "--bogus"}, "unknown option", 1},
        {{"set", "Clipboard.qbx", "m_nSound=x"}, "not a number", 1},
        {{"set", "Clipboard.qbx", "m_nSound=+1"}, "not a number", 1},
        {{"check", "CutText.qbx"}, "inside its text, which begins at byte 106", 1},
        {{"set", "Clipboard.qbx", "m_nMaxItems=256"}, "out of range", 1},
        {{"set", "Clipboard.qbx", "m_nOops=1"}, "no preference field", 1},
        {{"set", "Cut.qbx", "m_nSound=1"}, "not changed", 1},
        {{"set", "Foreign.qbx", "m_nSound=1"}, "not a collection file", 1},
        {{"add", "Clipboard.qbx", "--jpeg", "x"}, "unknown option", 1},
        {{"rtf2text", "nothing.rtf"}, "cannot open", 1},
        {{"show", "Clipboard.qbx"}, "usage", 2},
        {{"show", "Clipboard.qbx", "1", "--raw", "--html"}, "usage", 2},
        {{"add", "Clipboard.qbx", "--text", "x y z", "--caption"}, "usage", 2},
        {{"frobnicate", "Clipboard.qbx"}, "unknown command", 2},
        {{}, "usage", 2},
        // A cut preference block leaves nothing whole to print, and nothing is changed.
        {{"add", "Block.qbx", "--text", "hello"},
         "Block.qbx: the preference block at byte 8 is incomplete (the file ends at byte 20)",
         1},
        {{"show", "Block.qbx", "1"}, "the preference block at byte 8 is incomplete", 1},
        // A folder is named as one, whatever reads it.
        {{"set", "Folder.qbx", "m_nSound=1"}, "Folder.qbx: is a directory, not a file", 1},
        {{"add", "Clipboard.qbx", "--bmp", "Folder.qbx"}, "is a directory, not a file", 1},
    };
    for (const auto& c : cases)
        ExpectRefused(dir, c.args, c.mentions, c.exitCode);
    for (size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(ReadAll(dir.Path(names[i])), before[i]) << names[i];
    EXPECT_NE(access(dir.Path("Missing.qbx").c_str(), F_OK), 0);
    EXPECT_NE(access(dir.Path("Folder.qbx.1.tmp").c_str(), F_OK), 0);
}

TEST(QbxTool, PrefsAndSet) {
    TempProgramFolder dir;
    // A missing file is created with the defaults.
    Ok(dir, {"set", "Clipboard.qbx", "m_nMaxItems=20", "m_nUserHotKeyVk=0x51",
             "m_nUserHotKeyMods=2", "m_ptHot.x=-28", "m_dwOptions=0xF91F"});
    // A change to the file now there keeps the active collection's layout.
    Ok(dir, {"set", "Clipboard.qbx", "m_nSound=200"});
    Bytes file = ReadAll(dir.Path("Clipboard.qbx"));
    ASSERT_EQ(file.size(), 40u);
    EXPECT_EQ((Bytes{file[30], file[31], file[39]}), (Bytes{0x51, 0x02, 200}));

    const std::string prefs = Ok(dir, {"prefs", "Clipboard.qbx"});
    for (const char* line : {"m_dwOptions=0xF91F\n", "m_nMaxItems=20\n",
                             "m_nUserHotKeyVk=0x51\nm_nUserHotKeyMods=0x2\n",
                             "m_ptHot.x=-28\nm_ptHot.y=60\n", "m_nHotMenuWidth=100\n"})
        EXPECT_NE(prefs.find(line), std::string::npos) << line << prefs;
    // The same bytes read as another collection's file swap the hot-key fields.
    EXPECT_NE(Ok(dir, {"prefs", "Clipboard.qbx", "--collection"})
                  .find("m_nUserHotKeyVk=0x2\nm_nUserHotKeyMods=0x51\n"),
              std::string::npos);

    // Items stay when preferences change; other files put the modifiers first.
    WriteSample(MakeDib(2, 2));
    ASSERT_EQ(rename(dir.Path("Clipboard.qbx").c_str(), dir.Path("Work.qbx").c_str()), 0);
    Bytes items = ReadAll(dir.Path("Work.qbx"));
    Ok(dir, {"set", "Work.qbx", "m_nUserHotKeyVk=0x41", "m_nSound=3"});
    Bytes changed = ReadAll(dir.Path("Work.qbx"));
    ASSERT_EQ(changed.size(), items.size());
    EXPECT_EQ((Bytes{changed[31], changed[39]}), (Bytes{0x41, 3}));
    EXPECT_EQ(Bytes(changed.begin() + 40, changed.end()), Bytes(items.begin() + 40, items.end()));
}

TEST(QbxTool, AddFollowsTheCaptureRules) {
    TempProgramFolder dir;
    Ok(dir, {"set", "Work.qbx", "m_nMaxItems=3", "m_nMaxItemSizeKB=1"});
    ExpectRefused(dir, {"add", "Work.qbx", "--text", "ab"}, "not added: the text has 2");
    ExpectRefused(dir, {"add", "Work.qbx", "--text", std::string(1025, 'x')}, "not added");
    EXPECT_EQ(ReadAll(dir.Path("Work.qbx")).size(), 40u);

    for (const char* text : {"hello", "world", "hello"})
        Ok(dir, {"add", "Work.qbx", "--text", text});
    EXPECT_EQ(Captions(dir, "Work.qbx"), "hello|world") << "a copy moves to the head";
    Ok(dir, {"add", "Work.qbx", "--files", "C:\\a\\x.txt", "C:\\a\\y.txt"});
    Ok(dir, {"add", "Work.qbx", "--text", "third"});
    EXPECT_EQ(Captions(dir, "Work.qbx"), "third|x.txt + 1 file|hello") << "trimmed to three";

    // Plain text equal to a Rich Text item's text brings that item forward.
    const std::string rtf = "{\\rtf1 Rich words}";
    WriteAll(dir.Path("doc.rtf"), Bytes(rtf.begin(), rtf.end()));
    Ok(dir, {"add", "Work.qbx", "--rtf", "doc.rtf"});
    for (const char* text : {"new", "Rich words"})
        Ok(dir, {"add", "Work.qbx", "--text", text});
    EXPECT_EQ(Captions(dir, "Work.qbx"), "Rich words|new|third");
    EXPECT_EQ(Ok(dir, {"show", "Work.qbx", "1", "--raw"}), rtf);

    // A caption of one's own (a schedule, a counter) and the HTML of the cut.
    Ok(dir,
       {"add", "Work.qbx", "--caption", "+2Pass %u", "--text", "pass", "--html", "<b>pass</b>"});
    EXPECT_EQ(Captions(dir, "Work.qbx"), "+2Pass %u|Rich words|new");
    EXPECT_EQ(Ok(dir, {"show", "Work.qbx", "1", "--html"}), "<b>pass</b>");
}

TEST(QbxTool, BitmapsComeInWithoutTheirFileHeaderAndGoOutWithOne) {
    TempProgramFolder dir;
    // Neither insert-position bit: items go to the tail, and the tail bit is set.
    Ok(dir, {"set", "Clipboard.qbx", "m_dwOptions=0x1004"});
    Ok(dir, {"add", "Clipboard.qbx", "--text", "first"});
    // A DIB with bytes after its pixel array, behind a file header that is not "BM":
    // everything after the first 14 bytes is taken as it is.
    const Bytes dib = MakeDib(3, 2);
    Bytes padded = dib;
    Append(padded, {0xEE, 0xEE, 0xEE, 0xEE, 0xEE});
    Bytes odd = padded;
    odd.insert(odd.begin(), 14, 'X');
    WriteAll(dir.Path("odd.bmp"), odd);
    for (int i = 0; i < 2; ++i)
        Ok(dir, {"add", "Clipboard.qbx", "--bmp", "odd.bmp"});
    EXPECT_EQ(Captions(dir, "Clipboard.qbx"), "first|Bitmap 002 (3x2x16M) 24 bits True Color")
        << "the equal bitmap went, the counter went on";
    EXPECT_EQ(Ok(dir, {"show", "Clipboard.qbx", "2", "--raw"}),
              std::string(padded.begin(), padded.end()));
    // The file ends with the pixel array, and its size field says so.
    EXPECT_EQ(Ok(dir, {"show", "Clipboard.qbx", "2"}), BmpFile(dib));
    EXPECT_NE(Ok(dir, {"prefs", "Clipboard.qbx"}).find("m_dwOptions=0x1204\n"), std::string::npos);

    // Files with no bitmap header after their first 14 bytes are refused.
    WriteAll(dir.Path("tiny.bmp"), Bytes(14, 'B'));
    WriteAll(dir.Path("text.bmp"), Bytes(100, 'a'));
    for (const char* name : {"tiny.bmp", "text.bmp"})
        ExpectRefused(dir, {"add", "Clipboard.qbx", "--bmp", name}, "not a bitmap file");
}

#endif // QBX_TOOL_PATH
