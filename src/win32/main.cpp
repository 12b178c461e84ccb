// The program's entry: decides what this start does, then runs the hidden frame and its
// service window until the frame is destroyed.
#include <windows.h>

#include <string>
#include <vector>

#include "app/clip_app.h"
#include "app/collection_store.h"
#include "app_runtime.h"
#include "main_frame.h"
#include "port/focus_win32.h"
#include "port/ini_file_win32.h"
#include "port/installation_win32.h"
#include "port/system_win32.h"
#include "port/resources_win32.h"
#include "port/running_copy_win32.h"
#include "platform/save_files.h"
#include "store/program_files.h"

namespace {
constexpr int kExitHistoryNotSaved = 2;

// The executable's full path in lower case: every file of the program lies beside it.
std::string LowerCaseModulePath() {
    std::vector<char> buf(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0)
            return std::string();
        if (n < buf.size()) {
            CharLowerBuffA(buf.data(), n);
            return std::string(buf.data(), n);
        }
        buf.resize(buf.size() * 2);
    }
}

int RunMessageLoop() {
    MSG msg;
    BOOL got;
    while ((got = GetMessageA(&msg, nullptr, 0, 0)) != 0) {
        if (got == -1)
            return 1;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    SetProgramPath(LowerCaseModulePath());

    Win32RunningCopy running;
    Win32MessageBox messages;
    Win32Installation installation(ProgramPath());
    CClipApp app(AppPorts{running, messages, installation});
    if (!app.InitInstance(commandLine ? commandLine : ""))
        return 0;

    CAppRuntime runtime;
    Win32Focus focus;
    Win32LanguageLoader languages;
    Win32IniFile settings;
    Win32Screen screen;
    ProgramCollectionStore store(screen, messages, SystemSaveFiles());
    CMainFrame frame(HostPorts{focus, messages, installation, store, languages, settings});
    store.PostNoticesTo(frame.ServiceWindow());
    if (!frame.LoadFrame())
        return 0;
    const int status = RunMessageLoop();
    // The frame saved as it went. History it could not write ends with the process: the
    // end of the session must not look like success then.
    return store.AllSaved() ? status : kExitHistoryNotSaved;
}
