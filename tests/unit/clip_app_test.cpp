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
using Log = std::vector<std::string>;
const std::string kAbout = "post " + std::to_string(ID_APP_ABOUT);
const std::string kUninstallRequest = "post " + std::to_string(ID_UNINSTALL_REQUEST);
const std::string kExit = "send " + std::to_string(ID_APP_EXIT);

// One start: `running` is whether another copy runs, `answer` the button of every question.
struct Start {
    CallLog log;
    FakeRunningCopy running{log};
    FakeMessageBox boxes;
    FakeInstallation installation{log};
    CClipApp app{AppPorts{running, boxes, installation}};

    Start(bool runs, int check, int answer, int install = INSTALL_DONE) {
        running.window = runs ? WindowHandle{0x77} : NO_WINDOW;
        installation.checkAnswer = check;
        installation.installAnswer = install;
        boxes.otherwise = answer;
        g_bAutostartDisabled = false;
    }
};

TEST(ClipApp, TheCommandLineTheRunningCopyAndTheRegisteredOneDecideTheStart) {
    const int NO = win::IDNO, YES = win::IDYES, THIS = INSTALL_THIS_COPY,
              OTHER = INSTALL_OTHER_COPY, NONE = INSTALL_NOT_REGISTERED, DONE = INSTALL_DONE;
    const struct {
        const char* line;
        bool runs;
        int check, answer, install;
        bool starts;
        Log calls;
        size_t boxes;
    } cases[] = {
        {" NoAuto ", true, THIS, YES, DONE, false, {}, 0},
        {"", false, THIS, YES, DONE, true, {"check", "register"}, 0},
        {"NOAUTOX", false, NONE, YES, DONE, true, {"check", "register"}, 0},
        {"uninstall", false, THIS, NO, DONE, false, {}, 1},
        {"UnInstall", true, THIS, NO, DONE, false, {}, 1},
        {"UNINSTALL", false, THIS, YES, DONE, false, {"uninstall"}, 1},
        {"uninstall", true, THIS, YES, DONE, false, {"front", kUninstallRequest}, 1},
        {"", true, THIS, YES, DONE, false, {"check", "front", kAbout}, 0},
        {"", true, NONE, YES, DONE, false, {"check", "front", kAbout}, 0},
        {"", true, OTHER, NO, DONE, false, {"check"}, 1},
        // The running copy saves and ends before the installation starts.
        {"", true, OTHER, YES, DONE, false, {"check", kExit, "install"}, 1},
        {"", false, OTHER, YES, DONE, false, {"check", "install"}, 1},
        // A failed installation says so and removes itself.
        {"", false, OTHER, YES, INSTALL_COPY_FAILED, false, {"check", "install", "uninstall"}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "'" << c.line << "' " << c.runs << " " << c.check);
        Start start(c.runs, c.check, c.answer, c.install);
        EXPECT_EQ(start.app.InitInstance(c.line), c.starts);
        EXPECT_EQ(start.log.calls, c.calls);
        EXPECT_EQ(start.boxes.shown.size(), c.boxes);
    }
}

TEST(ClipApp, TheQuestionsAndTheErrorSayWhatHappens) {
    Start uninstall(false, INSTALL_THIS_COPY, win::IDNO);
    uninstall.app.InitInstance("uninstall");
    EXPECT_EQ(uninstall.boxes.shown.at(0).text, "Are you sure you want to uninstall Quillbox?");
    EXPECT_EQ(uninstall.boxes.shown[0].flags,
              win::MB_YESNO | win::MB_ICONQUESTION | win::MB_TOPMOST);

    Start replace(true, INSTALL_OTHER_COPY, win::IDNO);
    replace.app.InitInstance("");
    const std::string& text = replace.boxes.shown.at(0).text;
    EXPECT_NE(text.find(" and it is running"), std::string::npos) << text;
    EXPECT_NE(text.find("\n - running version will be stopped,"), std::string::npos) << text;
    EXPECT_EQ(replace.boxes.shown[0].flags,
              win::MB_YESNO | win::MB_ICONEXCLAMATION | win::MB_TOPMOST);

    Start failed(false, INSTALL_OTHER_COPY, win::IDYES, INSTALL_COPY_FAILED);
    failed.installation.errorText = "Access denied.";
    failed.app.InitInstance("");
    EXPECT_EQ(failed.boxes.shown.at(0).text.find(" and it is running"), std::string::npos);
    EXPECT_EQ(failed.boxes.shown[0].text.find("%s"), std::string::npos);
    EXPECT_EQ(failed.boxes.shown.at(1).text, "Error(13): Access denied.");

    Start normal(false, INSTALL_THIS_COPY, win::IDYES);
    normal.installation.autostartDisabled = true;
    normal.app.InitInstance("");
    EXPECT_EQ(normal.running.titleAsked, "Quillbox") << "the running copy is found by its title";
    EXPECT_TRUE(g_bAutostartDisabled);
}
} // namespace
