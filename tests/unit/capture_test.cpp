// Capture through a fake clipboard and a manual clock: which cuts become which items, the
// repeat gate, the limits, the side effects, and the viewer chain.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "app/paste_text.h"
#include "fakes/service_fixture.h"
#include "platform/win_constants.h"
#include "qbx_test_files.h"
#include "resource.h"
#include "store/byte_block.h"

namespace {
constexpr unsigned CF_TEXT = win::CF_TEXT;
constexpr unsigned CF_UNICODE = win::CF_UNICODETEXT;
constexpr unsigned CF_DIB = win::CF_DIB;
constexpr unsigned CF_HDROP = win::CF_HDROP;

// A bottom-up 24-bit DIB header followed by `total` - 40 bytes of `fill`.
std::vector<uint8_t> Dib(size_t total, uint8_t fill = 0x55) {
    std::vector<uint8_t> dib(total, fill);
    const uint8_t header[16] = {40, 0, 0, 0, 4, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0};
    std::copy(header, header + 16, dib.begin());
    return dib;
}

using Texts = std::vector<std::string>;
// The messages passed on down the chain, as (to, message, wParam).
using Passed = std::vector<std::tuple<uintptr_t, unsigned, uintptr_t>>;

Passed PassedOn(const FakeViewerChain& viewers) {
    Passed out;
    for (const auto& m : viewers.forwarded)
        out.emplace_back(uintptr_t(m.to), m.message, m.wParam);
    return out;
}

// An item as "<kind> <text>", then the size of its picture and its HTML if it has them.
std::string Describe(const CClipItem& item) {
    std::string out = item.type == CLIP_TEXT         ? "text"
                      : item.type == CLIP_RTF        ? "rtf"
                      : item.type == CLIP_BITMAP     ? "bitmap"
                      : item.type == CLIP_FILES      ? "files"
                      : item.type == CLIP_FILES_WIDE ? "wide files"
                                                     : std::to_string(item.type);
    if (!item.text.empty())
        out += " " + item.text;
    if (!item.dib.empty())
        out += " dib" + std::to_string(item.dib.size());
    if (item.HasHtml() || !item.html.empty())
        out += " html=" + item.html;
    return out;
}

class CaptureTest : public ServiceFixture {
protected:
    void SetUp() override {
        ServiceFixture::SetUp();
        RegisterFormats();
        service.m_dwOptions |= OPT_FMT_HTML;
        ASSERT_TRUE(service.Create(kFrame));
        viewers.forwarded.clear();
    }

    // Another program cuts `text`, by default well after the previous cut.
    void CutText(const std::string& text, uint32_t afterMs = 600) {
        clipboard.Clear();
        clipboard.OfferWide(std::u16string(text.begin(), text.end()));
        clipboard.OfferText(CF_TEXT, text);
        Notify(afterMs);
    }
    // Another program offers `data` (added to what it offers already) and announces it.
    void Cut(unsigned format, const std::vector<uint8_t>& data, uint32_t afterMs = 600) {
        clipboard.Offer(format, data);
        Notify(afterMs);
    }
    void CutAs(unsigned format, const std::string& text, uint32_t afterMs = 600) {
        clipboard.OfferText(format, text);
        Notify(afterMs);
    }
    void Notify(uint32_t afterMs) {
        clock.tick += afterMs;
        service.OnDrawClipboard(0x77, 0);
    }
    const CClipItem& Item(size_t i) const { return *service.m_activeList.at(i); }
    Texts Kept() const {
        Texts out;
        for (const auto& item : service.m_activeList)
            out.push_back(Describe(*item));
        return out;
    }
    void LookAgainWhenDue() {
        ASSERT_TRUE(timers.Runs(TIMER_LOOK_AGAIN));
        clock.tick += timers.running[TIMER_LOOK_AGAIN];
        service.OnTimer(TIMER_LOOK_AGAIN);
    }
};

TEST_F(CaptureTest, TextCutBecomesOneItemAndTheNotificationGoesOn) {
    CutText("hello world");
    EXPECT_EQ(Kept(), Texts{"text hello world"});
    EXPECT_FALSE(clipboard.isOpen);
    EXPECT_EQ(clipboard.owner, service.GetSafeHwnd());
    EXPECT_EQ(PassedOn(viewers), (Passed{{0x2222, win::WM_DRAWCLIPBOARD, 0x77}}));
}

TEST_F(CaptureTest, RichTextStandsForTheWholeCutAndUnicodeBeatsPlainText) {
    clipboard.OfferText(g_cfRtf, "{\\rtf1 rich \\b words\\b0}");
    clipboard.OfferWide(u"rich words");
    clipboard.OfferText(CF_TEXT, "rich words");
    CutAs(g_cfHtml, "<b>rich</b> words");

    // Without Rich Text the Unicode text is taken, not the (different) 8-bit text.
    service.m_dwOptions &= ~OPT_FMT_RTF;
    clipboard.OfferWide(u"wide text");
    CutAs(CF_TEXT, "ansi text");

    // 8-bit text only when no Unicode text is offered.
    clipboard.Clear();
    CutAs(CF_TEXT, "only ansi");

    // Rich Text refused for its length still leaves the cut as text.
    service.m_dwOptions |= OPT_FMT_RTF;
    service.m_nMaxItemSizeKB = 1;
    clipboard.OfferText(g_cfRtf, "{\\rtf1 " + std::string(2000, ' ') + "short words}");
    clipboard.OfferWide(u"short words");
    Notify(600);
    EXPECT_EQ(Kept(),
              (Texts{"text short words", "text only ansi", "text wide text html=<b>rich</b> words",
                     "rtf {\\rtf1 rich \\b words\\b0} html=<b>rich</b> words"}));
}

TEST_F(CaptureTest, ANotificationWithin500MsOfTheLastCheckAddsNothing) {
    CutText("first");
    clipboard.OfferWide(u"second");
    Notify(300);
    Notify(500); // 500 ms after the previous check, which renewed the stamp
    EXPECT_EQ(ActiveTexts(), std::vector<std::string>{"first"});
    Notify(501);

    // Each category has its own stamp: a picture right after a text is kept.
    Cut(CF_DIB, Dib(200), 10);
    EXPECT_EQ(viewers.forwarded.size(), 5u) << "every notification is passed on";

    clock.tick = 0xFFFFFF00;
    CutText("before the wrap");
    clock.tick = 0xFFFFFF00 + 600 - 1; // wraps to a small value
    CutText("after the wrap");
    EXPECT_EQ(Kept(), (Texts{"text after the wrap", "text before the wrap", "bitmap dib200",
                             "text second", "text first"}));
}

TEST_F(CaptureTest, LimitsOfTextsAndPictures) {
    service.m_nMinTextSize = 3;
    CutText("ab"); // shorter than the minimum
    service.m_nMaxItemSizeKB = 1;
    CutText(std::string(1025, 'x')); // 1025 characters with 1 KB
    CutText(std::string(1024, 'y'));
    clipboard.Clear();
    Cut(CF_DIB, Dib(1025)); // 1025 bytes with 1 KB
    Cut(CF_DIB, Dib(1024));
    service.m_nMaxItemSizeKB = 0; // no upper limit
    CutText(std::string(5000, 'z'));
    EXPECT_EQ(Kept(), (Texts{"text " + std::string(5000, 'z'), "bitmap dib1024",
                             "text " + std::string(1024, 'y')}));
}

TEST_F(CaptureTest, TheSameTextAgainMovesTheKeptItemAndRichTextAbsorbsItsPlainForm) {
    CutText("alpha text");
    CutText("beta text");
    CutText("alpha text");

    clipboard.Clear();
    CutAs(g_cfRtf, "{\\rtf1 gamma text}");
    CutText("delta text");
    // Another program copies the same words as plain text: the Rich Text item comes first.
    CutText("gamma text");
    EXPECT_EQ(Kept(), (Texts{"rtf {\\rtf1 gamma text}", "text delta text", "text alpha text",
                             "text beta text"}));
}

TEST_F(CaptureTest, CapacityIsKeptAtTheEndOppositeTheInsertPosition) {
    service.m_nMaxItems = 3;
    service.m_dwOptions |= OPT_AUTOSAVE;
    size_t largestSaved = 0;
    store.onSaveActive = [&](ServiceState& s) {
        largestSaved = std::max(largestSaved, s.m_activeList.size());
    };
    for (const char* t : {"one!", "two!", "three!", "four!"})
        CutText(t);
    EXPECT_EQ(ActiveTexts(), (std::vector<std::string>{"four!", "three!", "two!"}));
    EXPECT_EQ(largestSaved, 3u) << "the file never holds more than the capacity";

    service.m_dwOptions &= ~(OPT_INSERT_HEAD | OPT_INSERT_TAIL | OPT_AUTOSAVE);
    largestSaved = 0;
    CutText("five!");
    EXPECT_EQ(ActiveTexts(), (std::vector<std::string>{"three!", "two!", "five!"}));
    EXPECT_EQ(largestSaved, 0u) << "without autosave the file is written at the end";
    EXPECT_TRUE(service.m_dwOptions & OPT_INSERT_TAIL);
}

TEST_F(CaptureTest, TextAndPictureOfOneCutAreTwoItemsAndThePictureCarriesTheHtml) {
    clipboard.OfferWide(u"caption text");
    clipboard.Offer(CF_DIB, Dib(300));
    CutAs(g_cfHtml, "<img src=x>");
    EXPECT_EQ(Kept(),
              (Texts{"bitmap dib300 html=<img src=x>", "text caption text html=<img src=x>"}));
    EXPECT_EQ(Item(0).caption.substr(Item(0).caption.size() - 7), " + HTML");
    EXPECT_EQ(service.m_nBitmapCounter, 1);

    // The same picture again replaces the kept one.
    clipboard.Clear();
    Cut(CF_DIB, Dib(300));
    EXPECT_EQ(Kept(), (Texts{"bitmap dib300", "text caption text html=<img src=x>"}));
}

TEST_F(CaptureTest, FileListsOfBothWidthsAndMalformedOnes) {
    Cut(CF_HDROP, FileDropBlock({"C:\\a.txt", "C:\\b.txt"}, true));
    Cut(CF_HDROP, FileDropBlock({"C:\\c.txt"}, false));

    std::vector<uint8_t> bad = FileDropBlock({"C:\\d.txt"}, false);
    bad[0] = 0xF0; // the list would start beyond the block
    Cut(CF_HDROP, bad);
    Cut(CF_HDROP, std::vector<uint8_t>(8, 0)); // shorter than the header
    Cut(CF_HDROP, FileDropBlock({}, false));   // no file
    EXPECT_EQ(Kept(), (Texts{"files C:\\c.txt\r\n", "wide files C:\\a.txt\r\nC:\\b.txt\r\n"}));
}

TEST_F(CaptureTest, KeepingTheClipboardEmptyFollowsAnyGatedNotification) {
    service.m_dwOptions |= OPT_KEEP_CLIPBOARD_EMPTY;
    CutText("secret words");
    EXPECT_EQ(clipboard.empties, 1);
    EXPECT_EQ(service.m_activeList.size(), 1u);

    service.m_nMinTextSize = 50; // refused, but it was a cut
    CutText("too short");
    EXPECT_EQ(clipboard.empties, 2);

    clipboard.OfferWide(u"unreadable");
    clipboard.unreadable.insert(CF_UNICODE);
    Notify(600);
    EXPECT_EQ(clipboard.empties, 3);

    clipboard.OfferWide(u"too soon");
    Notify(100); // fails the gate: not a cut of its own
    EXPECT_EQ(clipboard.empties, 3);
    EXPECT_TRUE(clipboard.IsFormatAvailable(CF_UNICODE));

    clipboard.Clear();
    Cut(CF_DIB, Dib(200)); // a picture alone
    EXPECT_EQ(clipboard.empties, 4);
    Cut(CF_HDROP, FileDropBlock({"C:\\a.txt"}, false)); // a file list alone
    EXPECT_EQ(clipboard.empties, 5);
}

TEST_F(CaptureTest, PausedOrBusyCapturesNothingButPassesEveryNotificationOn) {
    for (uint32_t state : {uint32_t(ST_PAUSED), uint32_t(ST_BUSY)}) {
        service.m_dwState |= state;
        const int opens = clipboard.opens;
        CutText("not now");
        EXPECT_TRUE(service.m_activeList.empty());
        EXPECT_EQ(clipboard.opens, opens) << "the clipboard is left alone";
        service.m_dwState &= ~state;
    }
    EXPECT_EQ(viewers.forwarded.size(), 2u);
    CutText("now again");
    EXPECT_EQ(service.m_activeList.size(), 1u);
}

TEST_F(CaptureTest, SoundAfterEachInsertionAndItsStoredChoice) {
    service.m_nSound = 9;
    CutText("beep once");
    EXPECT_EQ(sound.beeps, std::vector<uint32_t>{win::MB_ICONASTERISK});
    EXPECT_EQ(service.m_nSound, 2);

    service.PlaySound(1);
    service.PlaySound(0);
    service.PlaySound(6);
    EXPECT_EQ(sound.beeps, (std::vector<uint32_t>{win::MB_ICONASTERISK, 0xFFFFFFFF, win::MB_OK}));
    EXPECT_EQ(service.m_nSound, 6);
}

TEST_F(CaptureTest, BusyIconDuringTheWork) {
    service.m_dwOptions &= ~OPT_NO_TRAY_ICON;
    CutText("busy while taken");
    ASSERT_EQ(tray.calls.size(), 2u);
    EXPECT_EQ(tray.calls[0].data.iconId, 188u);
    EXPECT_EQ(tray.calls[1].data.iconId, 153u);
}

TEST_F(CaptureTest, CutsMarkedAsNotToBeKeptAreSkippedWhole) {
    service.m_dwOptions |= OPT_KEEP_CLIPBOARD_EMPTY;
    // Password managers of Linux desktops: the X target Wine hands on under its own name,
    // offered without a NUL.
    const std::vector<uint8_t> secret = {'s', 'e', 'c', 'r', 'e', 't'}, open = {'o', 'p', 'e', 'n'};
    const struct {
        const char* mark;
        std::vector<uint8_t> data;
        bool kept;
    } cases[] = {
        {"Clipboard Viewer Ignore", {}, false},
        {"ExcludeClipboardContentFromMonitorProcessing", {}, false},
        {"x-kde-passwordManagerHint", secret, false},
        {"x-kde-passwordManagerHint", open, true},
        {"canincludeinclipboardhistory", {0, 0, 0, 0}, false},
        {"canincludeinclipboardhistory", {1, 0, 0, 0}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mark);
        service.m_activeList.clear();
        const int empties = clipboard.empties;
        clipboard.Clear();
        clipboard.OfferWide(u"password");
        Cut(clipboard.RegisterFormat(c.mark), c.data);
        EXPECT_EQ(ActiveTexts().size(), c.kept ? 1u : 0u);
        EXPECT_EQ(clipboard.empties, empties + (c.kept ? 1 : 0)) << "a skipped cut stays";
    }
    EXPECT_EQ(viewers.forwarded.size(), 6u);
}

TEST_F(CaptureTest, ANotificationThatArrivesWhileDataIsRenderedDoesNotDisturbTheCapture) {
    int nested = 0;
    clipboard.onGetData = [&](unsigned) {
        if (nested++ == 0)
            service.OnDrawClipboard(); // the system delivers it while we wait for the data
    };
    CutText("rendered on request");
    EXPECT_EQ(ActiveTexts(), std::vector<std::string>{"rendered on request"});
    EXPECT_EQ(viewers.forwarded.size(), 2u) << "the nested notification is passed on too";
    EXPECT_FALSE(service.m_dwState & ST_BUSY);
}

// A notification that could not be followed is followed up once its reason has passed; what
// is on the clipboard then is taken if the clipboard changed since it was last read whole.
TEST_F(CaptureTest, ACutThatCouldNotBeReadAtItsNotificationIsTakenLater) {
    const struct {
        const char* name;
        Texts kept;
        int opens, sounds; // at the follow-up
    } cases[] = {
        {"held by another program for longer than the tries", {"later", "first"}, 1, 1},
        {"announced while the previous cut is still saved", {"later", "large", "first"}, 1, 1},
        {"the last of a burst within the gate", {"burst 3", "first"}, 1, 1},
        {"the program's own paste, announced late", {"first"}, 0, 0},
        {"the same cut announced again", {"first"}, 0, 0},
        {"the same cut again where the system keeps no sequence number", {"first"}, 1, 0},
    };
    service.m_nSound = 1;
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(cases[i].name);
        service.m_activeList.clear();
        service.m_dwOptions &= ~OPT_AUTOSAVE;
        clipboard.sequence = 1;
        CutText("first");
        if (i == 0) {
            clipboard.refuseOpens = 5;
            CutText("later");
        } else if (i == 1) {
            service.m_dwOptions |= OPT_AUTOSAVE;
            store.onSaveActive = [&](ServiceState&) {
                store.onSaveActive = nullptr;
                CutText("later", 0);
            };
            CutText("large");
        } else if (i == 2) {
            for (const char* t : {"burst 1", "burst 2", "burst 3"})
                CutText(t, 100);
        } else if (i == 3) {
            service.PasteText("pasted", std::string(), CLIP_TEXT, PASTE_UPPER);
            Notify(10);
        } else {
            if (i == 5)
                clipboard.sequence = 0;
            Notify(100);
        }
        const int opens = clipboard.opens;
        const size_t sounds = sound.beeps.size();
        LookAgainWhenDue();
        EXPECT_EQ(ActiveTexts(), cases[i].kept);
        EXPECT_EQ(clipboard.opens - opens, cases[i].opens);
        EXPECT_EQ(int(sound.beeps.size() - sounds), cases[i].sounds);
        EXPECT_FALSE(timers.Runs(TIMER_LOOK_AGAIN)) << "once is enough";
    }
}

// Asking for what a bridge missed makes it offer its clipboard anew, which is announced as a
// cut: only a cut unlike the newest kept one may ask, or the two would go on for ever.
TEST_F(CaptureTest, OnlyACutUnlikeTheNewestOneAsksForCutsMissedMeanwhile) {
    CutText("alpha text");
    EXPECT_EQ(clipboard.asksForMissed, 1);
    CutText("alpha text");
    clipboard.Clear();
    CutAs(g_cfRtf, "{\\rtf1 beta \\b text\\b0}");
    EXPECT_EQ(clipboard.asksForMissed, 2);
    CutText("beta text"); // its plain form
    EXPECT_EQ(clipboard.asksForMissed, 2);
    CutText("alpha text");
    EXPECT_EQ(clipboard.asksForMissed, 3);
}

TEST_F(CaptureTest, AClipboardHeldForGoodIsLookedForABoundedNumberOfTimes) {
    clipboard.refuseOpens = 1000000;
    CutText("never had");
    int looks = 0;
    while (timers.Runs(TIMER_LOOK_AGAIN) && looks < 100) {
        LookAgainWhenDue();
        ++looks;
    }
    EXPECT_GT(looks, 1);
    EXPECT_LT(looks, 100);
    EXPECT_TRUE(service.m_activeList.empty());
}

// Cuts made while a menu shows the items must not free what its entries, the highlight or
// the dragged entry point at: they wait until the menu's choice was dispatched.
TEST_F(CaptureTest, CutsWhileAMenuIsOpenWaitUntilItsChoiceIsDispatched) {
    service.m_nMaxItems = 3;
    const Texts before = {"old three", "old two", "old one"};
    auto cutTwice = [&] {
        CutText("new a");
        CutText("new b");
        EXPECT_EQ(ActiveTexts(), before) << "the menu's items stay as they are";
    };
    struct Road {
        const char* name;
        std::function<unsigned(CClipItem* oldest)> inMenu;
        std::string clipboardAfter;
    };
    const Road roads[] = {
        {"main menu",
         [&](CClipItem* oldest) {
             service.m_nSelEntryId = 3;
             service.m_pSelItem = oldest;
             cutTwice();
             return 3u;
         },
         "old one"},
        {"drag onto the first entry",
         [&](CClipItem* oldest) {
             service.m_pDragItem = oldest;
             cutTwice(); // the drag runs a message loop of its own
             service.m_pDragItem = nullptr;
             service.m_nSelEntryId = 1;
             service.m_pSelItem = service.m_activeList[0].get();
             MenuDrop drop;
             drop.dropped = drop.overMenu = true;
             EXPECT_TRUE(service.FinishMenuDrag(oldest, drop));
             return 0u;
         },
         "new b"}, // nothing pasted
    };
    for (const Road& road : roads) {
        SCOPED_TRACE(road.name);
        service.m_activeList.clear();
        for (const char* t : {"old one", "old two", "old three"})
            CutText(t);
        menus.onMainMenu = [&](CMainMenu&) {
            // No highlight of an earlier menu, whose item may be gone since.
            EXPECT_EQ(service.m_pSelItem, nullptr);
            EXPECT_EQ(service.m_nSelEntryId, -1);
            return road.inMenu(service.m_activeList.back().get());
        };
        service.OnCommand(0, ID_OPEN_MAIN_MENU);
        service.m_dwOptions &= ~OPT_NO_TRAY_ICON;
        tray.calls.clear();
        DeliverPosted();
        EXPECT_EQ(BlockString(clipboard.formats[CF_TEXT]), road.clipboardAfter);
        EXPECT_EQ(ActiveTexts(), (Texts{"new b", "new a", "old one"}));
        ASSERT_GE(tray.calls.size(), 2u);
        EXPECT_EQ(tray.calls.end()[-2].data.iconId, 188u) << "busy while the held cuts go in";
    }
}

TEST_F(CaptureTest, CutsHeldByAMenuAreSavedBySaveAndRefreshAndAtShutdown) {
    std::vector<std::string> saved;
    store.onSaveActive = [&](ServiceState&) { saved = ActiveTexts(); };
    CutText("old one");
    menus.onMainMenu = [&](CMainMenu&) {
        service.m_nSelEntryId = 1;
        service.m_pSelItem = service.m_activeList[0].get();
        menus.onContextMenu = [&](int) {
            CutText("held, then refreshed");
            return unsigned(ID_SAVE_REFRESH);
        };
        service.OnCommand(0, ID_OPEN_CONTEXT_MENU);
        return 0u;
    };
    service.OnCommand(0, ID_OPEN_MAIN_MENU);
    ASSERT_EQ(window.posted.size(), 3u); // the command, then a release for each menu
    service.OnCommand(window.posted[0].first, window.posted[0].second);
    EXPECT_EQ(saved, (std::vector<std::string>{"held, then refreshed", "old one"}));

    // The session ends while the menu is open.
    menus.onMainMenu = [&](CMainMenu&) {
        CutText("held at the end");
        service.Close();
        return 0u;
    };
    service.OnCommand(0, ID_OPEN_MAIN_MENU);
    EXPECT_EQ(saved,
              (std::vector<std::string>{"held at the end", "held, then refreshed", "old one"}));
}

using StartupCaptureTest = ServiceFixture;

TEST_F(StartupCaptureTest, WhatIsOnTheClipboardAtStartIsKeptOnceThenTheChainIsJoined) {
    clipboard.OfferWide(u"cut before the start");
    ASSERT_TRUE(service.Create(kFrame));
    EXPECT_EQ(service.m_activeList.size(), 1u);
    EXPECT_EQ(viewers.joined, service.GetSafeHwnd());
    EXPECT_EQ(service.m_hWndNextViewer, viewers.nextOnJoin);
    EXPECT_TRUE(viewers.forwarded.empty());

    // The system announces the clipboard to a new viewer at once: the same cut.
    service.OnDrawClipboard();
    EXPECT_EQ(service.m_activeList.size(), 1u);
    EXPECT_EQ(viewers.forwarded.size(), 1u);
}

TEST_F(StartupCaptureTest, TheChainIsMendedWhenAMemberLeavesAndLeftAtTheEnd) {
    ASSERT_TRUE(service.Create(kFrame));
    const WindowHandle self = service.GetSafeHwnd();
    service.OnChangeCbChain(WindowHandle{0x3333},
                            WindowHandle{0x4444}); // not our neighbour: passed on
    EXPECT_EQ(service.m_hWndNextViewer, viewers.nextOnJoin);
    service.OnChangeCbChain(viewers.nextOnJoin, WindowHandle{0x5555}); // our neighbour goes
    EXPECT_EQ(service.m_hWndNextViewer, WindowHandle{0x5555});
    ASSERT_EQ(viewers.forwarded.size(), 2u);
    EXPECT_EQ(PassedOn(viewers)[0], Passed::value_type(0x2222, win::WM_CHANGECBCHAIN, 0x3333));
    EXPECT_EQ(viewers.forwarded[1].to, WindowHandle{0x5555});

    service.OnChangeCbChain(WindowHandle{0x5555},
                            NO_WINDOW); // the last member goes: nobody to tell
    service.OnDrawClipboard();
    EXPECT_EQ(viewers.forwarded.size(), 2u);

    service.OnDestroy();
    service.LeaveViewerChain();
    ASSERT_EQ(viewers.leaves.size(), 1u) << "left once";
    EXPECT_EQ(viewers.leaves[0], std::make_pair(self, NO_WINDOW));
}

// A picture offered only as a PNG file, as browsers and X programs offer one.
using PngCaptureTest = CaptureTest;
const std::vector<uint8_t> kPng = {0x89, 'P', 'N', 'G', 1};

TEST_F(PngCaptureTest, APngAloneBecomesABitmapItemWithinTheLimits) {
    const unsigned cfPng = clipboard.RegisterFormat("png"); // the name as registered in any case
    pictures.known[kPng] = DecodedPicture{3, 2, std::vector<uint8_t>(3 * 2 * 4, 0xFF)};
    clipboard.Offer(cfPng, kPng);
    CutAs(g_cfHtml, "<img src=x.png>");
    // 3 pixels of 3 bytes, rows of 12
    EXPECT_EQ(Kept(), Texts{"bitmap dib64 html=<img src=x.png>"});
    EXPECT_EQ(Item(0).dib[0], 40);
    EXPECT_NE(Item(0).caption.find("(3x2x16M)"), std::string::npos) << Item(0).caption;

    // The same picture again is one item; the repeat gate is the pictures' one.
    clipboard.Clear();
    Cut(cfPng, kPng, 300);
    EXPECT_EQ(pictures.decodes, 1) << "within 500 ms of the last picture";
    Notify(600);
    EXPECT_EQ(service.m_activeList.size(), 1u);
    EXPECT_EQ(pictures.decodes, 2);

    // The limit applies to the DIB that would be kept (64 bytes here).
    service.m_nMaxItemSizeKB = 1;
    const std::vector<uint8_t> largePng = {0x89, 'P', 'N', 'G', 2};
    pictures.known[largePng] = DecodedPicture{20, 20, std::vector<uint8_t>(20 * 20 * 4, 0)};
    Cut(cfPng, largePng);
    EXPECT_EQ(service.m_activeList.size(), 1u) << "a picture of 1240 bytes with 1 KB";
}

TEST_F(PngCaptureTest, ADibOfferedBesideThePngIsTakenAndBadPngDataIsNoItem) {
    const unsigned cfPng = clipboard.RegisterFormat("PNG");
    pictures.known[kPng] = DecodedPicture{3, 2, std::vector<uint8_t>(3 * 2 * 4, 0xFF)};
    clipboard.Offer(cfPng, kPng);
    Cut(CF_DIB, Dib(300));
    EXPECT_EQ(pictures.decodes, 0);

    clipboard.Clear();
    Cut(cfPng, {1, 2, 3});
    EXPECT_EQ(pictures.decodes, 1);

    // Without the picture format chosen, nothing is decoded.
    service.m_dwOptions &= ~OPT_FMT_BITMAP;
    Cut(cfPng, kPng);
    EXPECT_EQ(pictures.decodes, 1);
    EXPECT_EQ(Kept(), Texts{"bitmap dib300"});
}

} // namespace
