// What a start does before any window exists: command line, running copy, installation.
#include <gtest/gtest.h>

#include "app/clip_app.h"
#include "app/service_wnd.h"
#include "fakes/fake_installation.h"
#include "fakes/fake_system.h"
#include "fakes/fake_running_copy.h"
#include "platform/win_constants.h"
#include "resource.h"

namespace {
const std::string kAbout = "post " + std::to_string(ID_APP_ABOUT);
const std::string kUninstallRequest = "post " + std::to_string(ID_UNINSTALL_REQUEST);
const std::string kExit = "send " + std::to_string(ID_APP_EXIT);

class ClipAppTest : public ::testing::Test {
protected:
    CallLog log;
    FakeRunningCopy running{log};
    FakeMessageBox boxes;
    FakeInstallation installation{log};
    CClipApp app{AppPorts{running, boxes, installation}};

    void SetUp() override { g_bAutostartDisabled = false; }
};

TEST_F(ClipAppTest, NoautoInAnyCaseEndsBeforeAnythingElse) {
    for (const char* line : {"NOAUTO", "noauto", " NoAuto "}) {
        running.window = WindowHandle{0x77};
        EXPECT_FALSE(app.InitInstance(line)) << line;
    }
    EXPECT_TRUE(log.calls.empty());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(running.titleAsked.empty()) << "looked for a running copy";
}

TEST_F(ClipAppTest, NormalStartRegistersAndStoresTheAutostartAnswer) {
    installation.autostartDisabled = true;
    EXPECT_TRUE(app.InitInstance(""));
    EXPECT_EQ(running.titleAsked, "Quillbox");
    EXPECT_EQ(log.calls, (std::vector<std::string>{"check", "register"}));
    EXPECT_TRUE(g_bAutostartDisabled);
    EXPECT_TRUE(boxes.shown.empty());

    // Any other argument starts normally too.
    log.calls.clear();
    installation.autostartDisabled = false;
    installation.checkAnswer = INSTALL_NOT_REGISTERED;
    EXPECT_TRUE(app.InitInstance("NOAUTOX"));
    EXPECT_FALSE(g_bAutostartDisabled);
    EXPECT_EQ(log.Count("register"), 1);
}

TEST_F(ClipAppTest, UninstallAsksFirstAndNoChangesNothing) {
    boxes.otherwise = win::IDNO;
    for (const char* line : {"UNINSTALL", "uninstall", "UnInstall"}) {
        running.window = NO_WINDOW;
        EXPECT_FALSE(app.InitInstance(line)) << line;
        running.window = WindowHandle{0x77};
        EXPECT_FALSE(app.InitInstance(line)) << line;
    }
    ASSERT_EQ(boxes.shown.size(), 6u);
    EXPECT_EQ(boxes.shown[0].text, "Are you sure you want to uninstall Quillbox?");
    EXPECT_EQ(boxes.shown[0].caption, "Uninstall Quillbox");
    EXPECT_EQ(boxes.shown[0].flags, win::MB_YESNO | win::MB_ICONQUESTION | win::MB_TOPMOST);
    EXPECT_TRUE(log.calls.empty()) << log.calls.front();
}

TEST_F(ClipAppTest, UninstallYesRunsHereOrAsksTheRunningCopy) {
    boxes.otherwise = win::IDYES;
    EXPECT_FALSE(app.InitInstance("uninstall"));
    EXPECT_EQ(log.calls, (std::vector<std::string>{"uninstall"}));

    log.calls.clear();
    running.window = WindowHandle{0x77};
    EXPECT_FALSE(app.InitInstance("uninstall"));
    EXPECT_EQ(log.calls, (std::vector<std::string>{"front", kUninstallRequest}));
}

TEST_F(ClipAppTest, SecondStartOfTheRegisteredCopyShowsTheRunningAbout) {
    running.window = WindowHandle{0x77};
    for (int answer : {INSTALL_THIS_COPY, INSTALL_NOT_REGISTERED}) {
        log.calls.clear();
        installation.checkAnswer = answer;
        EXPECT_FALSE(app.InitInstance(""));
        EXPECT_EQ(log.calls, (std::vector<std::string>{"check", "front", kAbout}));
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ClipAppTest, NewCopyElsewhereAsksBeforeReplacingTheRunningOne) {
    running.window = WindowHandle{0x77};
    installation.checkAnswer = INSTALL_OTHER_COPY;
    boxes.otherwise = win::IDNO;
    EXPECT_FALSE(app.InitInstance(""));
    EXPECT_EQ(log.calls, (std::vector<std::string>{"check"}));
    ASSERT_EQ(boxes.shown.size(), 1u);
    const std::string& text = boxes.shown[0].text;
    EXPECT_NE(text.find(" and it is running"), std::string::npos) << text;
    EXPECT_NE(text.find("\n - running version will be stopped,"), std::string::npos) << text;
    EXPECT_EQ(text.find("%s"), std::string::npos) << text;
    EXPECT_EQ(boxes.shown[0].caption, "Quillbox Installation");
    EXPECT_EQ(boxes.shown[0].flags, win::MB_YESNO | win::MB_ICONEXCLAMATION | win::MB_TOPMOST);

    // Yes: the running copy saves and ends before the installation starts.
    log.calls.clear();
    boxes.otherwise = win::IDYES;
    EXPECT_FALSE(app.InitInstance(""));
    EXPECT_EQ(log.calls, (std::vector<std::string>{"check", kExit, "install"}));
    EXPECT_EQ(boxes.shown.size(), 2u) << "a successful installation says nothing";
}

TEST_F(ClipAppTest, NewCopyElsewhereWithoutRunningCopyAsksWithEmptyArguments) {
    installation.checkAnswer = INSTALL_OTHER_COPY;
    boxes.otherwise = win::IDYES;
    EXPECT_FALSE(app.InitInstance(""));
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown[0].text.find(" and it is running"), std::string::npos);
    EXPECT_EQ(boxes.shown[0].text.find("%s"), std::string::npos);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"check", "install"}));
}

TEST_F(ClipAppTest, FailedInstallationReportsTheCodeAndRemovesItself) {
    installation.checkAnswer = INSTALL_OTHER_COPY;
    installation.installAnswer = INSTALL_COPY_FAILED;
    installation.errorText = "Access denied.";
    boxes.otherwise = win::IDYES;
    EXPECT_FALSE(app.InitInstance(""));
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].text, "Error(13): Access denied.");
    EXPECT_EQ(boxes.shown[1].caption, "Quillbox");
    EXPECT_EQ(boxes.shown[1].flags, win::MB_ICONEXCLAMATION | win::MB_TOPMOST);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"check", "install", "uninstall"}));
}
} // namespace
