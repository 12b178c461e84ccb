// Start-up and shutdown of the service through fake ports: order, the one save, uninstall.
#include <gtest/gtest.h>

#include <string>

#include "app/item_actions.h"
#include "fakes/service_fixture.h"
#include "platform/files.h"
#include "platform/schedule_editor.h"
#include "platform/ui_strings.h"
#include "qbx_test_files.h"
#include "resource.h"
#include "store/language.h"
#include "store/temp_files.h"

namespace {
constexpr WindowHandle kEditor{0x900};
constexpr WindowHandle kEditorField{0x901};

class ServiceTest : public ServiceFixture {
protected:
    TempProgramFolder folder; // where the language libraries and temporary files are
    void SetUp() override {
        ServiceFixture::SetUp();
        g_bAutostartDisabled = false;
    }
    void Touch(const std::string& name) { WriteAll(folder.Path(name), Bytes{'x'}); }
    bool Has(const std::string& name) { return files::Exists(folder.Path(name)); }
};

TEST_F(ServiceTest, CreateLoadsTheFileBeforeTheLanguageItNames) {
    languages.libraries[LanguageLibraryPath(2)].strings[3009] = "Quillbox pihen";
    store.onLoadActive = [](ServiceState& s) { s.m_nLanguage = 2; };
    ASSERT_TRUE(service.Create(kFrame));
    EXPECT_EQ(window.parentSeen, kFrame);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"create window", "font", "load active",
                                                   "load collections"}));
    EXPECT_EQ(service.m_nLanguage, 2);
    EXPECT_TRUE(service.m_hLangDll.IsLoaded());
    EXPECT_EQ(LoadUiString(3009), "Quillbox pihen");
    EXPECT_EQ(service.m_font, FontHandle{0xF0});
}

TEST_F(ServiceTest, FailedWindowCreationLoadsAndLaterSavesNothing) {
    window.handle = NO_WINDOW;
    EXPECT_FALSE(service.Create(kFrame));
    EXPECT_EQ(log.calls, (std::vector<std::string>{"create window"}));
    service.OnDestroy();
    EXPECT_EQ(log.Count("save active"), 0);
    service.LeaveViewerChain();
    EXPECT_TRUE(viewers.leaves.empty()) << "a window that never joined the chain";
}

TEST_F(ServiceTest, AutostartBitFollowsTheCheckNotTheFile) {
    store.onLoadActive = [](ServiceState& s) { s.m_dwOptions |= OPT_NO_AUTOSTART; };
    ASSERT_TRUE(service.Create(kFrame));
    EXPECT_FALSE(service.m_dwOptions & OPT_NO_AUTOSTART);

    FakeServicePorts next;
    CServiceWnd other{next.Ports(), 800, 0};
    g_bAutostartDisabled = true;
    ASSERT_TRUE(other.Create(kFrame));
    EXPECT_TRUE(other.m_dwOptions & OPT_NO_AUTOSTART);
    EXPECT_EQ(other.m_dwOptions & ~OPT_NO_AUTOSTART, OPT_DEFAULTS & ~OPT_NO_AUTOSTART);
}

TEST_F(ServiceTest, RemembersTheUsersWindowButNotItsOwnFrameHotWindowOrTheTaskbar) {
    focus.classOf[kEditor] = "Notepad";
    focus.focusOf[kEditor] = kEditorField;
    focus.classOf[WindowHandle{0x710}] = "Shell_TrayWnd";
    focus.foreground = kEditor;
    ASSERT_TRUE(service.Create(kFrame));
    EXPECT_EQ(service.m_hWndTarget, kEditor);
    EXPECT_EQ(service.m_hWndTargetFocus, kEditorField);

    for (WindowHandle w : {kFrame, WindowHandle{0x710}, NO_WINDOW, hotWindows.handle}) {
        focus.foreground = w;
        service.RememberTarget();
        EXPECT_EQ(service.m_hWndTarget, kEditor) << static_cast<uintptr_t>(w);
        EXPECT_EQ(service.m_hWndTargetFocus, kEditorField) << static_cast<uintptr_t>(w);
    }
}

TEST_F(ServiceTest, CloseSavesOnceAndReleasesTheItemsAndTheLanguage) {
    languages.libraries[LanguageLibraryPath(3)].strings[128] = "Quillbox";
    store.onLoadActive = [](ServiceState& s) {
        s.m_nLanguage = 3;
        s.m_activeList.push_back(CClipItem::FromText("first cut"));
    };
    ASSERT_TRUE(service.Create(kFrame));
    service.m_collectionList.push_back(CClipItem::NewCollection("Work"));
    service.m_pSelItem = service.m_pDragItem = service.m_activeList.front().get();
    ASSERT_EQ(languages.live, 1);
    log.calls.clear();

    service.Close();
    EXPECT_EQ(log.calls,
              (std::vector<std::string>{"destroy frame", "save active", "save modified"}));
    EXPECT_TRUE(service.m_activeList.empty());
    EXPECT_TRUE(service.m_collectionList.empty());
    EXPECT_EQ(service.m_pSelItem, nullptr);
    EXPECT_EQ(service.m_pDragItem, nullptr);
    EXPECT_EQ(languages.live, 0) << "the language library stays loaded";

    // The session end that follows a query reaches a window that is already gone.
    service.OnDestroy();
    service.Close();
    EXPECT_EQ(log.Count("save active"), 1);
    EXPECT_EQ(log.Count("save modified"), 1);
}

TEST_F(ServiceTest, MessagesThatArriveWhileShutdownWaitsNeitherSaveAgainNorCapture) {
    store.onLoadActive = [](ServiceState& s) {
        s.m_dwOptions |= OPT_AUTOSAVE;
        for (const char* text : {"one", "two", "three"})
            s.m_activeList.push_back(CClipItem::FromText(text));
    };
    std::vector<size_t> saved;
    store.onSaveActive = [&](ServiceState& s) { saved.push_back(s.m_activeList.size()); };
    ASSERT_TRUE(service.Create(kFrame));
    // While leaving the chain waits: the session ends again, directly and by the frame; a cut.
    viewers.onLeave = [&] {
        service.OnDestroy();
        service.Close();
        clipboard.OfferText(1, "a late cut");
        service.OnDrawClipboard();
    };
    service.Close();
    EXPECT_EQ(saved, std::vector<size_t>{3});
}

TEST_F(ServiceTest, UninstallRequestUninstallsInsteadOfSaving) {
    ASSERT_TRUE(service.Create(kFrame));
    log.calls.clear();
    service.OnUninstallRequest();
    EXPECT_TRUE(service.m_dwState & ST_UNINSTALL);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"destroy frame", "uninstall"}));
}

TEST_F(ServiceTest, LeftOverTemporaryFilesGoAtStartAndAtShutdown) {
    const char* temporary[] = {"~QBX~0001.txt", "~qbx~ABCD.rtf", "~QBX~FFFF.", "~QbX~12aB.bmp.old"};
    const char* kept[] = {"~QBX~001.txt", "~QBX~00001.txt", "QBX~0001.txt",
                          "~QBX~0001",    "Clipboard.qbx",  "~QBX~"};
    for (const char* name : temporary)
        Touch(name);
    for (const char* name : kept)
        Touch(name);
    ASSERT_TRUE(service.Create(kFrame));
    for (const char* name : temporary)
        EXPECT_FALSE(Has(name)) << name;
    for (const char* name : kept)
        EXPECT_TRUE(Has(name)) << name;

    Touch("~QBX~0003.bmp"); // a printed item leaves its file
    service.Close();
    EXPECT_FALSE(Has("~QBX~0003.bmp"));
    EXPECT_TRUE(Has("Clipboard.qbx"));
}

// OK in the Schedule dialog keeps the caption and play list the user made, and saves them.
TEST_F(ServiceTest, TheScheduleDialogsOkKeepsWhatTheUserMade) {
    struct Editor final : IScheduleEditor {
        bool EditSchedule(std::string& caption, std::string& playList) override {
            caption = "News <07:00,*,*,* *:* *:*,* *:*,*,*,* 01>";
            playList = "news.wav";
            return true;
        }
    } editor;
    service.m_pScheduleEditor = &editor;
    ASSERT_TRUE(service.Create(kFrame));
    CClipItem* item = AddActive("old.wav");
    item->type = CLIP_RTF; // the play list becomes plain text
    EditItemSchedule(service, store, *item);
    EXPECT_EQ(item->caption, "News <07:00,*,*,* *:* *:*,* *:*,*,*,* 01>");
    EXPECT_EQ(item->text, "news.wav");
    EXPECT_EQ(item->type, CLIP_TEXT);
    EXPECT_EQ(log.Count("save active"), 1);
    // An item of an external collection: that collection is marked changed and saved.
    CClipItem collection;
    item->owner = &collection;
    EditItemSchedule(service, store, *item);
    EXPECT_TRUE(collection.flags & CLIP_MODIFIED);
    EXPECT_EQ(log.Count("save modified"), 1);
    item->owner = nullptr;
}
// Rename asks about the highlighted item; bits beyond the id make no command; while an
// entry is dragged no command runs at all.
TEST_F(ServiceTest, CommandsReachTheirEntryAndNoneRunsWhileAnEntryIsDragged) {
    ASSERT_TRUE(service.Create(kFrame));
    service.m_nSelEntryId = 1;
    service.m_pSelItem = AddActive("one");
    service.OnCommand(1, ID_RENAME);
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].initialText, "one") << "the item's name, not a collection's";
    service.OnCommand(0, (intptr_t(1) << 32) | ID_COLLECTION_NEW);
    EXPECT_EQ(prompts.asked.size(), 1u);
    log.calls.clear();
    menus.shown.clear();
    service.m_pDragItem = service.m_activeList[0].get();
    service.OnCommand(0, ID_OPEN_MAIN_MENU);
    service.OnCommand(0, ID_SAVE_AND_RELOAD);
    EXPECT_TRUE(menus.shown.empty());
    EXPECT_TRUE(log.calls.empty());
}

TEST_F(ServiceTest, CloseFromAContextMenuInsideTheMainMenuEndsEverythingAfterTracking) {
    ASSERT_TRUE(service.Create(kFrame));
    AddActive("one");
    menus.onMainMenu = [&](CMainMenu&) {
        menus.onContextMenu = [](int) { return unsigned(ID_CLOSE); };
        service.OnCommand(0, ID_OPEN_CONTEXT_MENU);
        return 1u; // the main menu's loop still returns an id
    };
    service.OpenMainMenu();
    EXPECT_EQ(service.GetSafeHwnd(), NO_WINDOW);
    EXPECT_TRUE(window.posted.empty()); // nothing is dispatched into a closed program
    EXPECT_EQ(log.Count("destroy frame"), 1);
}
} // namespace
