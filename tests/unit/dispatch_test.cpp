// The dispatcher's choice of action for a chosen entry: the variant from the keys or a
// queued letter, reordering of active items, items of external collections read from their
// file (counters, templates, chains), and the commands routed elsewhere.
#include <gtest/gtest.h>

#include "app/dispatch.h"
#include "app/paste_text.h"
#include "fakes/service_fixture.h"
#include "platform/win_constants.h"
#include "qbx_test_files.h"
#include "resource.h"
#include "store/collection_file.h"

namespace {

constexpr WindowHandle kTarget{0x10};

class DispatchTest : public ServiceFixture {
protected:
    TempProgramFolder programFolder; // where a printed item's file goes

    void SetUp() override {
        ServiceFixture::SetUp();
        RegisterFormats();
        service.m_hWndTarget = kTarget;
        targets.windows = {kTarget};
        for (const char* text : {"one", "two", "three"})
            AddActive(text);
    }

    CClipItem* Active(size_t i) { return service.m_activeList[i].get(); }
    // Chooses the entry of `item` (position + 1) as the menu would post it.
    void Choose(CClipItem* item, intptr_t command = 0, uintptr_t id = 2) {
        service.m_pSelItem = item;
        service.DispatchEntry(id, command);
    }
};

TEST_F(DispatchTest, KeysHeldChooseTheVariant) {
    const std::set<unsigned> none, caps{win::VK_CAPITAL};
    const struct {
        std::set<unsigned> down, toggled;
        int32_t variant;
    } cases[] = {
        {{}, none, 0},
        {{win::VK_CONTROL}, none, PASTE_TEXT},
        {{win::VK_CONTROL, win::VK_SHIFT}, none, PASTE_HTML},
        {{win::VK_CONTROL}, caps, PASTE_TEXT}, // Ctrl comes first
        {{}, caps, PASTE_UPPER},
        {{win::VK_SHIFT}, caps, PASTE_LOWER},
        {{win::VK_SHIFT}, none, PASTE_UPPER},
    };
    for (const auto& c : cases) {
        input.keysDown = c.down;
        keys.toggled = c.toggled;
        EXPECT_EQ(PasteVariantOfKeys(input, keys), c.variant) << c.down.size() << c.toggled.size();
    }
}

TEST_F(DispatchTest, ChosenItemIsPastedWithTheVariantOfItsKeysAndMovesToTheInsertPosition) {
    service.m_dwOptions |= OPT_INSERT_HEAD;
    input.keysDown = {win::VK_SHIFT};
    Choose(Active(1));
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), "TWO");
    EXPECT_EQ(ActiveTexts(), (std::vector<std::string>{"two", "one", "three"}));

    service.m_dwOptions &= ~OPT_INSERT_HEAD;
    input.keysDown.clear();
    Choose(Active(0));
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), "two");
    EXPECT_EQ(ActiveTexts(), (std::vector<std::string>{"one", "three", "two"}));
    EXPECT_TRUE(service.m_dwOptions & OPT_INSERT_TAIL);
}

TEST_F(DispatchTest, QueuedLetterCommandIsUsedOnceAndAnExplicitCommandWins) {
    service.m_nQueuedCmd = PASTE_LOWER;
    Active(2)->text = "MiXed";
    Choose(Active(2));
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), "mixed");
    EXPECT_EQ(service.m_nQueuedCmd, 0);

    service.m_nQueuedCmd = PASTE_LOWER;
    Choose(service.m_activeList[0].get(), PASTE_UPPER);
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), "MIXED");
}

TEST_F(DispatchTest, SuperHotKeysPasteTheFirstItemsAndRotateThem) {
    service.m_dwOptions |= OPT_INSERT_HEAD;
    service.m_nSuperHotKey = 1; // Alt+1, Alt+2, Alt+3
    service.PasteSuperHotKey(5);
    EXPECT_EQ(window.commands, (Posted{{2, 0}}));
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), "two");
    EXPECT_EQ(ActiveTexts(), (std::vector<std::string>{"two", "one", "three"}));
    ASSERT_GE(keys.events.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(keys.events.begin(), keys.events.begin() + 3),
              (std::vector<std::string>{"up Shift", "up Ctrl", "up Alt"}));
    EXPECT_EQ(keys.events.back(), "down Alt") << "the user still holds Alt";

    service.m_nSuperHotKey = 4; // Ctrl+F1..F3
    service.PasteSuperHotKey(6);
    EXPECT_EQ(ActiveTexts(), (std::vector<std::string>{"three", "two", "one"}));
    EXPECT_EQ(keys.events.back(), "down Ctrl");
    service.PasteSuperHotKey(4);
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), "three");

    // Fewer items than the key's position, or none at all: nothing happens.
    service.m_activeList.resize(1);
    keys.events.clear();
    service.PasteSuperHotKey(5);
    service.m_activeList.clear();
    service.PasteSuperHotKey(4);
    EXPECT_TRUE(keys.events.empty());
    EXPECT_EQ(window.commands.size(), 3u);
}

TEST_F(DispatchTest, PasteAllPastesEveryItemInOrderWithoutReordering) {
    uint8_t counter = 0;
    service.m_activeList.insert(service.m_activeList.begin() + 1,
                                CClipItem::FromDib(Bytes(48, 2), counter));
    std::vector<std::string> pasted;
    clock.onSleep = [&] {
        const std::string now =
            clipboard.formats.count(win::CF_DIB) ? "<picture>" : clipboard.TextOf(win::CF_TEXT);
        if (pasted.empty() || pasted.back() != now)
            pasted.push_back(now);
    };
    service.PasteAll(Active(2));
    EXPECT_EQ(pasted, (std::vector<std::string>{"one", "<picture>", "two", "three"}));
    EXPECT_EQ(ActiveTexts(), (std::vector<std::string>{"one", "", "two", "three"}));
    EXPECT_EQ(window.commands.size(), 4u);
    EXPECT_EQ(keys.events.size(), 4 * (3 + 4) + 2u) << "each paste, and Right after the picture";
    EXPECT_EQ(log.Count("setfocus 0x10"), 8);
    EXPECT_EQ(service.m_pSelItem, nullptr);
}

TEST_F(DispatchTest, OnlyACommandThatActedMovesTheItemAndUnknownOnesDoNothing) {
    // For the text "three" and for a picture, neither with HTML: pasted, moved to the head.
    // A printed text stays, this picture has nothing to print; the player and the schedule
    // dialog never paste; a picture has nothing to run; Delete, Camera and Preferences entries are
    // not the dispatcher's.
    const struct {
        int32_t command;
        bool textPasted, textMoved, picturePasted, pictureMoved;
    } cases[] = {{0, 1, 1, 1, 1},
                 {ID_PASTE_UPPER, 1, 1, 1, 1},
                 {ID_PASTE_HTML, 0, 0, 0, 0},
                 {ID_PRINT, 0, 0, 0, 0},
                 {ID_RUN, 0, 1, 0, 0},
                 {ID_SCHEDULE_EDIT, 0, 0, 0, 0},
                 {ID_PLAYER_PLAY, 0, 0, 0, 0},
                 {ID_PLAYER_SKIP, 0, 0, 0, 0},
                 {ID_DELETE, 0, 0, 0, 0},
                 {ID_CAMERA, 0, 0, 0, 0},
                 {ID_AUTOSAVE, 0, 0, 0, 0}};
    service.m_dwOptions |= OPT_INSERT_HEAD;
    for (const auto& c : cases) {
        for (const bool picture : {false, true}) {
            uint8_t counter = 0;
            service.m_activeList.resize(2);
            service.m_activeList.push_back(picture ? CClipItem::FromDib(Bytes(48, 2), counter)
                                                   : CClipItem::FromText("three"));
            CClipItem* chosen = Active(2);
            keys.events.clear();
            SCOPED_TRACE(::testing::Message() << c.command << (picture ? " picture" : " text"));
            Choose(chosen, c.command);
            EXPECT_EQ(!keys.events.empty(), picture ? c.picturePasted : c.textPasted);
            EXPECT_EQ(Active(0) == chosen, picture ? c.pictureMoved : c.textMoved);
        }
    }
}

TEST_F(DispatchTest, RoutedCommands) {
    clipboard.OfferText(win::CF_TEXT, "untouched");
    // A scheduled item chosen plainly is played, not pasted.
    Active(1)->caption = "Alarm <08:30,*,*,* *:* *:*,* *:*,*,*,* 217>";
    Choose(Active(1));
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), "untouched");
    // Status ids of popups and ids with a high word carry no item.
    Choose(Active(0), 0, 0x8000 | 32899);
    Choose(Active(0), 0, 0x10002);
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), "untouched");
}

TEST_F(DispatchTest, DocumentsAddressesAndTimesAreOpenedOrPastedAsText) {
    service.m_strSelPath = "C:\\Docs\\Report.doc";
    documents.files.insert(u"C:\\Docs\\Report.doc");
    Choose(Active(0), 0, 16650); // an item selected earlier is not pasted with it
    Choose(nullptr, ID_RUN, 16650);
    EXPECT_EQ(documents.opened.size(), 2u);
    EXPECT_TRUE(keys.events.empty());
    Choose(nullptr, PASTE_UPPER, 16650);
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), "C:\\DOCS\\REPORT.DOC");

    service.m_strSelPath = "http://example.org/";
    Choose(nullptr, ID_PRINT, 17160); // not a variant: the address as it is
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), "http://example.org/");
    EXPECT_EQ(documents.opened.size() + documents.executed.size(), 2u);

    clock.local = LocalTime{2024, 3, 5, 2, 14, 7, 9};
    Choose(Active(0), 0, 17408); // the time is always pasted, never the item selected earlier
    EXPECT_NE(clipboard.TextOf(win::CF_TEXT).find("14"), std::string::npos)
        << clipboard.TextOf(win::CF_TEXT);
}

class ExternalDispatchTest : public DispatchTest {
protected:
    TempProgramFolder folder;
    std::unique_ptr<CClipItem> node;

    // Writes "Forms.qbx" with items (caption, text) and loads it as a collection.
    void MakeCollection(const std::vector<std::pair<std::string, std::string>>& items) {
        ClipList list;
        for (const auto& i : items) {
            list.push_back(CClipItem::FromText(i.second));
            list.back()->caption = i.first;
        }
        ASSERT_TRUE(
            WriteQbxFile(folder.Path("Forms.qbx"), QbxLayout::Collection, CPreferences(), list));
        node = LoadCollection("Forms");
        ASSERT_EQ(node->children.size(), items.size());
    }
    CClipItem* Item(size_t i) { return node->children[i].get(); }
};

TEST_F(ExternalDispatchTest, CounterItemsCountAndSaveTheActiveCollection) {
    MakeCollection({{"+1 invoice", "#%d"},
                    {"+2 plain", "no number"},
                    {"+3 evil", "%s%n%s"},
                    {"+3 order", "no. %d"}});
    service.m_nCounter[0] = 7;
    Choose(Item(0));
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), "#7");
    EXPECT_EQ(service.m_nCounter[0], 8);
    EXPECT_EQ(log.Count("save active"), 1);

    Choose(Item(1));
    Choose(Item(2));
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), "%s%n%s");
    EXPECT_EQ(service.m_nCounter[1] + service.m_nCounter[2], 0);
    EXPECT_EQ(log.Count("save active"), 1) << "no counter changed";
    Choose(Item(3));
    EXPECT_EQ(service.m_nCounter[2], 1);

    // A variant pastes the pattern as text, uncounted.
    Choose(Item(0), PASTE_TEXT);
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), "#%d");
    EXPECT_EQ(service.m_nCounter[0], 8);
    EXPECT_EQ(node->children[0].get(), Item(0)) << "external items are not moved";
    EXPECT_EQ(ActiveTexts(), (std::vector<std::string>{"one", "two", "three"}));

    // An active item never counts, whatever its caption reads.
    Active(2)->caption = "+1 invoice";
    Active(2)->text = "#%d";
    Choose(Active(2));
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), "#%d");
}

TEST_F(ExternalDispatchTest, PicturesComeFromTheFileWithTheirHtml) {
    ClipList list;
    uint8_t counter = 0;
    list.push_back(CClipItem::FromDib(Bytes(64, 9), counter));
    list.back()->SetHtml("<img src=stored>");
    ASSERT_TRUE(
        WriteQbxFile(folder.Path("Pictures.qbx"), QbxLayout::Collection, CPreferences(), list));
    node = LoadCollection("Pictures");
    ASSERT_EQ(node->children.size(), 1u);
    ASSERT_TRUE(Item(0)->dib.empty()) << "the picture stays in its file until needed";
    Choose(Item(0));
    EXPECT_EQ(clipboard.formats[win::CF_DIB], Bytes(64, 9));
    EXPECT_EQ(clipboard.TextOf(g_cfHtml), "<img src=stored>");
    Choose(Item(0), PASTE_HTML);
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), "<img src=stored>");
    EXPECT_TRUE(Item(0)->dib.empty()) << "pasting does not load it into memory";
}

TEST_F(ExternalDispatchTest, TemplatesChainsAndTheFileErrors) {
    MakeCollection({{"+Greeting", "Dear [1], re [2]"}, {"+name++", "Ann"}, {"+city+", "Rome"}});
    Choose(Item(0));
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), "Dear one, re two");

    focus.foreground = kTarget;
    service.m_hWndTarget = NO_WINDOW;
    Choose(Item(1));
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), "Ann");
    EXPECT_EQ(std::vector<std::string>(keys.events.end() - 4, keys.events.end()),
              (std::vector<std::string>{"down Tab", "up Tab", "down Tab", "up Tab"}));
    EXPECT_EQ(service.m_hWndTarget, kTarget) << "the target is taken again";
    EXPECT_EQ(service.m_pSelItem, Item(2));
    EXPECT_EQ(window.posted, (Posted{{3, 0}}));

    CClipItem beyond(*Item(2));
    beyond.owner = node.get();
    beyond.fileOffset = 1u << 20;
    Choose(&beyond);
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), "QBX file error");

    std::remove(folder.Path("Forms.qbx").c_str());
    clipboard.OfferText(win::CF_TEXT, "kept");
    Choose(Item(1));
    EXPECT_EQ(clipboard.TextOf(win::CF_TEXT), "kept") << "an unreadable file pastes nothing";
}

} // namespace
