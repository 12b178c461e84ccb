// Pasting through fake ports: the clipboard writes of each kind of item, the keys the target
// receives, the drop of a file list, counters, templates and chains.
#include <gtest/gtest.h>

#include <tuple>

#include "app/paste_text.h"
#include "fakes/service_fixture.h"
#include "platform/win_constants.h"
#include "qbx_test_files.h"
#include "resource.h"

namespace {

constexpr WindowHandle kTarget{0x10}, kTargetEdit{0x11};
using Keys = std::vector<std::string>;
const Keys kReleases = {"up Ctrl", "up Shift", "up Alt"};
const Keys kShiftInsert = {"down Shift", "down Insert", "up Insert", "up Shift"};
const Keys kCtrlV = {"down Ctrl", "down V", "up V", "up Ctrl"};

Keys Concat(Keys a, const Keys& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::set<unsigned> Formats(const FakeClipboard& clipboard) {
    std::set<unsigned> out;
    for (const auto& f : clipboard.formats)
        out.insert(f.first);
    return out;
}

class PasteTest : public ServiceFixture {
protected:
    void SetUp() override {
        ServiceFixture::SetUp();
        RegisterFormats();
        service.m_dwOptions = OPT_DEFAULTS & ~OPT_PASTE_SHIFT_INS;
        service.m_hWndTarget = kTarget;
        service.m_hWndTargetFocus = kTargetEdit;
        targets.windows = {kTarget, kTargetEdit};
        clipboard.OfferText(win::CF_TEXT, "what was there before");
    }
};

TEST_F(PasteTest, PlainTextWithHtmlGoesByShiftInsertToTheRestoredTarget) {
    clock.tick = 5000;
    EXPECT_FALSE(service.PasteText("hello", "<i>hello</i>", CLIP_TEXT, PASTE_NONE));

    EXPECT_EQ(Formats(clipboard), (std::set<unsigned>{win::CF_TEXT, g_cfHtml}));
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT) + clipboard.TextOf(g_cfHtml), "hello<i>hello</i>");
    EXPECT_FALSE(clipboard.isOpen);
    // The target comes back before the paste keys: front, then the focus in its own thread.
    EXPECT_EQ(log.calls,
              Concat(kReleases, Concat({"front 0x10", "share 0x10", "focus 0x11", "share 0x0"},
                                       kShiftInsert)));

    EXPECT_TRUE(service.m_dwOptions & OPT_PASTE_SHIFT_INS) << "the choice made is remembered";
    EXPECT_EQ(service.m_nPasteCount, 1u);
    // Capture must not take the paste as a cut.
    EXPECT_EQ(std::make_tuple(service.m_dwLastTextTick, service.m_dwLastFilesTick,
                              service.m_dwLastBitmapTick),
              std::make_tuple(5000u, 5000u, 5000u));
    EXPECT_EQ(clock.sleeps, std::vector<uint32_t>{200});
    EXPECT_FALSE(service.m_dwState & ST_BUSY);
}

TEST_F(PasteTest, MenusBorrowTheTargetsInputAndForgetATargetThatIsGone) {
    ASSERT_TRUE(service.Create(WindowHandle{0x500}));
    log.calls.clear();
    service.FocusForMenu();
    EXPECT_EQ(log.calls, (std::vector<std::string>{"front 0x500", "share 0x10", "focus 0x1001"}));
    // A context menu inside the main menu: the input stays shared until the outer one ends.
    service.FocusForMenu();
    service.EndMenuFocus();
    EXPECT_EQ(targets.sharedWith, kTarget);
    service.EndMenuFocus();
    EXPECT_EQ(targets.sharedWith, NO_WINDOW);

    targets.windows = {kTarget}; // its edit control closed
    log.calls.clear();
    service.RestoreTarget();
    EXPECT_EQ(log.calls, std::vector<std::string>{"front 0x10"});
    EXPECT_EQ(service.m_hWndTargetFocus, NO_WINDOW);

    targets.windows.clear();
    log.calls.clear();
    service.FocusForMenu();
    EXPECT_EQ(service.m_hWndTarget, NO_WINDOW);
    EXPECT_EQ(log.calls, std::vector<std::string>{"front 0x500"});
}

TEST_F(PasteTest, CtrlVWhenChosenAndNoKeysWithoutTarget) {
    service.m_dwOptions |= OPT_PASTE_CTRL_V;
    service.PasteText("x y z", "", CLIP_TEXT, PASTE_NONE);
    EXPECT_EQ(keys.events, Concat(kReleases, kCtrlV));

    // A target that is gone is forgotten; the keys still go to whatever has the focus.
    keys.events.clear();
    targets.windows.clear();
    service.PasteText("x y z", "", CLIP_TEXT, PASTE_NONE);
    EXPECT_EQ(service.m_hWndTarget, NO_WINDOW);
    EXPECT_EQ(keys.events, Concat(kReleases, kCtrlV));

    // No target at all: the clipboard holds the text, nothing is typed.
    keys.events.clear();
    service.PasteText("x y z", "", CLIP_TEXT, PASTE_NONE);
    EXPECT_EQ(keys.events, kReleases);
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), "x y z");
    EXPECT_EQ(service.m_nPasteCount, 3u);
}

TEST_F(PasteTest, VariantsLeavePlainTextOnlyAndRichTextOffersItsSourceOtherwise) {
    // Unix: each LF gets its CR, a CR already there is not doubled, a lone CR goes.
    const std::string text = "Ab\ncD\r\nx\ry", rtf = "{\\rtf1 Bold {\\b move}\\par next}";
    const std::set<unsigned> plain{win::CF_TEXT};
    const struct {
        const std::string& source;
        uint16_t type;
        int32_t variant;
        std::set<unsigned> formats;
        const char* pasted;
    } cases[] = {
        {text, CLIP_TEXT, PASTE_TEXT, plain, "Ab\ncD\r\nx\ry"},
        {text, CLIP_TEXT, PASTE_UPPER, plain, "AB\nCD\r\nX\rY"},
        {text, CLIP_TEXT, PASTE_LOWER, plain, "ab\ncd\r\nx\ry"},
        {text, CLIP_TEXT, PASTE_UNIX, plain, "Ab\r\ncD\r\nxy"},
        {rtf, CLIP_RTF, PASTE_NONE, {g_cfRtf, win::CF_TEXT, g_cfHtml}, "Bold move\r\nnext"},
        {rtf, CLIP_RTF, PASTE_TEXT, plain, "Bold move\r\nnext"},
        {rtf, CLIP_RTF, PASTE_UPPER, plain, "BOLD MOVE\r\nNEXT"},
        {rtf, CLIP_RTF, PASTE_LOWER, plain, "bold move\r\nnext"},
        {rtf, CLIP_RTF, PASTE_UNIX, plain, "Bold move\r\nnext"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.type << " " << c.variant);
        service.PasteText(c.source, "<b>move</b>", c.type, c.variant);
        EXPECT_EQ(Formats(clipboard), c.formats);
        EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), c.pasted);
    }
    service.PasteText(rtf, "", CLIP_RTF, PASTE_NONE);
    EXPECT_EQ(clipboard.TextOf(g_cfRtf), rtf);
    service.m_dwOptions &= ~OPT_FMT_RTF;
    service.PasteText(rtf, "", CLIP_RTF, PASTE_NONE);
    EXPECT_EQ(Formats(clipboard), plain);
}

TEST_F(PasteTest, BitmapWithoutHtmlOffersNoEmptyHtml) {
    service.PasteBitmap(Bytes(60, 3), "");
    EXPECT_EQ(Formats(clipboard), std::set<unsigned>{win::CF_DIB});
}

TEST_F(PasteTest, FileListByClipboard) {
    TempProgramFolder folder;
    const std::string file = folder.Path("one.txt");
    WriteAll(file, Bytes{1});
    input.cursor = ScreenPoint{7, 9};
    service.PasteText(file + "\r\n" + folder.Path("gone.txt") + "\r\n", "", CLIP_FILES, PASTE_NONE);

    EXPECT_EQ(Formats(clipboard),
              (std::set<unsigned>{g_cfDropEffect, win::CF_HDROP, g_cfFileName}));
    EXPECT_EQ(clipboard.formats[g_cfDropEffect], (Bytes{5, 0, 0, 0}));
    const Bytes& drop = clipboard.formats[win::CF_HDROP];
    ASSERT_GT(drop.size(), 20u);
    EXPECT_EQ(Bytes(drop.begin(), drop.begin() + 20),
              (Bytes{20, 0, 0, 0, 7, 0, 0, 0, 9, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
    const std::string list(drop.begin() + 20, drop.end());
    EXPECT_EQ(list.substr(0, file.size() + 1), file + '\0');
    EXPECT_EQ(clipboard.TextOf(g_cfFileName), file) << "here the short form is the path";
    EXPECT_EQ(keys.events, Concat(kReleases, kShiftInsert));
    EXPECT_EQ(service.m_nPasteCount, 1u);

    // Without the first file there is no "FileName"; the list still goes.
    service.PasteText(folder.Path("gone.txt"), "", CLIP_FILES_WIDE, PASTE_NONE);
    EXPECT_EQ(Formats(clipboard), (std::set<unsigned>{g_cfDropEffect, win::CF_HDROP}));
    EXPECT_EQ(clipboard.formats[win::CF_HDROP][16], 1) << "fWide";
}

TEST_F(PasteTest, FileListByDropGoesToTheTopLevelWindowAndTypesNothing) {
    service.m_dwOptions |= OPT_PASTE_DROP_FILE;
    service.m_hWndTarget = kTargetEdit; // a child window was remembered
    targets.topLevel[kTargetEdit] = kTarget;
    const Bytes before = clipboard.formats[win::CF_TEXT];
    EXPECT_FALSE(service.PasteText("C:\\a.txt\r\nC:\\b.txt\r\n", "", CLIP_FILES, PASTE_NONE));

    ASSERT_EQ(targets.drops.size(), 1u);
    EXPECT_EQ(log.Count("drop 0x10"), 1);
    Bytes want{20, 0, 0, 0, 44, 1, 0, 0, 44, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0};
    Append(want, std::string("C:\\a.txt\0C:\\b.txt\0\0", 19));
    const Bytes& drop = targets.drops[0];
    ASSERT_GE(drop.size(), want.size());
    EXPECT_EQ(Bytes(drop.begin(), drop.begin() + want.size()), want);

    EXPECT_TRUE(keys.events.empty());
    EXPECT_EQ(service.m_nPasteCount, 0u);
    EXPECT_EQ(clipboard.formats[win::CF_TEXT], before) << "the clipboard is not touched";
    EXPECT_EQ(clipboard.opens, 0);

    // A plain-text variant pastes the list as text instead.
    service.PasteText("C:\\a.txt\r\n", "", CLIP_FILES, PASTE_UPPER);
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), "C:\\A.TXT\r\n");
}

TEST_F(PasteTest, CountersAdvanceOnlyWhenTheirValueWasUsed) {
    service.m_nCounter[2] = 65535;
    EXPECT_TRUE(service.PasteText("no. %05u", "", CLIP_TEXT, 2));
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), "no. 65535");
    EXPECT_EQ(service.m_nCounter[2], 0) << "16 bits wrap";

    EXPECT_FALSE(service.PasteText("100%% %p", "", CLIP_TEXT, 1));
    EXPECT_EQ(service.m_nCounter[1], 0);
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), "100% %p");

    // A Rich Text counter: the number reaches the plain text too.
    service.m_nCounter[1] = 41;
    EXPECT_TRUE(service.PasteText("{\\rtf1 Order %d}", "", CLIP_RTF, 1));
    EXPECT_EQ(clipboard.TextOf(g_cfRtf), "{\\rtf1 Order 41}");
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), "Order 41");
}

TEST_F(PasteTest, NothingHappensWhenTheClipboardStaysClosedOrTheContentIsEmpty) {
    clipboard.refuseOpens = 1000;
    EXPECT_FALSE(service.PasteText("text", "", CLIP_TEXT, PASTE_NONE));
    service.PasteBitmap(Bytes(50, 1), "");
    service.PasteText("C:\\x\r\n", "", CLIP_FILES, PASTE_NONE);
    clipboard.refuseOpens = 0;
    service.PasteText("", "<b>x</b>", CLIP_TEXT, PASTE_NONE);
    service.PasteBitmap(Bytes(), "<img>");
    EXPECT_TRUE(keys.events.empty());
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), "what was there before");
    EXPECT_FALSE(service.m_dwState & ST_BUSY);
    EXPECT_EQ(service.m_nPasteCount, 0u);
}

TEST_F(PasteTest, KeepingTheClipboardEmptyWaitsForTheTargetButNotForever) {
    service.m_dwOptions |= OPT_KEEP_CLIPBOARD_EMPTY;
    // The target holds the clipboard open for the first two looks after the paste.
    clock.onSleep = [this] {
        if (clock.sleeps.size() == 1)
            clipboard.refuseOpens = 2;
    };
    service.PasteText("secret", "", CLIP_TEXT, PASTE_NONE);
    EXPECT_TRUE(clipboard.formats.empty());
    EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{200, 200, 200}));

    // A program that never lets go: the paste ends within a few seconds all the same.
    clock.sleeps.clear();
    clock.onSleep = [this] {
        if (clock.sleeps.size() == 1)
            clipboard.refuseOpens = 1000000;
    };
    service.PasteText("secret", "", CLIP_TEXT, PASTE_NONE);
    EXPECT_LE(clock.Slept(), 3200u);
    EXPECT_GE(clock.Slept(), 1000u);
    EXPECT_FALSE(service.m_dwState & ST_BUSY);
}

TEST_F(PasteTest, TemplatesFillInTheDateAndActiveItemsOnce) {
    clock.local = LocalTime{2024, 3, 5};
    service.m_activeList.push_back(CClipItem::FromText("first [2]"));
    EXPECT_EQ(service.ExpandTemplate("On [date]: [1] / [2] / [0] / [1"),
              "On March 05, 2024: first [2] / [2] / [0] / [1");

    uint8_t counter = 0;
    service.m_activeList.push_back(CClipItem::FromDib(Bytes(48, 0), counter));
    service.m_activeList.push_back(CClipItem::FromRtf("{\\rtf1 rich}"));
    EXPECT_EQ(service.ExpandTemplate("[2]+[3]+[1]"), "[2]+rich+first [2]");
}

} // namespace
