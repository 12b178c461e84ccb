// The hidden frame and its service window: the menu font, and the ways of ending that no
// user's road takes (closing, the exit command and the session's end are proven by the
// end-to-end scripts).
#include <windows.h>

#include <gtest/gtest.h>

#include "fakes/fake_collection_store.h"
#include "fakes/fake_focus.h"
#include "fakes/fake_installation.h"
#include "fakes/fake_system.h"
#include "handles.h"
#include "main_frame.h"
#include "port/ini_file_win32.h"
#include "port/resources_win32.h"

namespace {
class MainFrameTest : public ::testing::Test {
protected:
    CallLog log;
    FakeFocus focus;
    FakeMessageBox boxes;
    FakeInstallation installation{log};
    FakeCollectionStore store{log};
    Win32LanguageLoader languages;
    Win32IniFile settings;
    CMainFrame frame{HostPorts{focus, boxes, installation, store, languages, settings}};

    void SetUp() override { ASSERT_TRUE(frame.LoadFrame()); }
    void TearDown() override {
        // The frame's end posts a quit message; it must not reach the next test.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    HWND Frame() const { return frame.Handle(); }
};

TEST_F(MainFrameTest, TheServiceWindowUsesTheMenuFontOfTheSettings) {
    HWND service = GetDlgItem(Frame(), 1);
    ASSERT_NE(service, nullptr);
    const HFONT font = reinterpret_cast<HFONT>(SendMessageA(service, WM_GETFONT, 0, 0));
    EXPECT_EQ(FromHfont(font), frame.Service().m_font);
    EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    EXPECT_EQ(log.Count("load active"), 1);
}

TEST_F(MainFrameTest, EndSessionWithoutQueryStillSavesButACancelledOneDoesNot) {
    SendMessageA(Frame(), WM_ENDSESSION, FALSE, 0);
    EXPECT_TRUE(IsWindow(Frame())) << "the session goes on";
    SendMessageA(Frame(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(frame.Handle(), nullptr);
    EXPECT_EQ(log.Count("save active"), 1);
}

TEST_F(MainFrameTest, AFrameObjectThatGoesFirstStillSaves) {
    CallLog log2;
    FakeCollectionStore store2{log2};
    HWND hwnd = nullptr;
    {
        CMainFrame other{HostPorts{focus, boxes, installation, store2, languages, settings}};
        ASSERT_TRUE(other.LoadFrame());
        hwnd = other.Handle();
    }
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(log2.Count("save active"), 1);
}
} // namespace
