// Looks at and drives the program's windows from outside, for the end-to-end tests and the
// Wine benchmarks; the commands are in main(). Waits poll until their last argument, SECONDS;
// rectangles print as "left top right bottom"; lines end in LF alone. Exit codes: 0 done,
// 1 not found, refused or timed out, 2 bad arguments. What is less plain than its code:
//   info TITLE      "found=1 count=N visible=0 pid=N service=1 service_visible=0" (service:
//                   the frame's child 1), or nothing and exit 1
//   item/rect/text/close TITLE [ID]  a dialog of that title comes before other windows
//   dialog TITLE SECONDS  "rect ..." of the dialog or message box, then "ID TEXT" per control
//   wait-menus COUNT SECONDS  the rectangles of the popup menus shown, last opened first
//   clip-set TEXT [MARK]  Unicode text, and the registered format MARK empty, as programs mark
//                   a cut not to be kept; clip-held also keeps the clipboard open for MS ms
//   clip-watch SECONDS  joins the viewer chain: "joined", then "draw TEXT" per change
//   hold PATH rw|none STOPFILE SECONDS  holds the file open (rw: sharing reading and writing
//                   but not deletion, as viewers do) until STOPFILE exists: "held"
//   hold-key MODS VK SECONDS  "held", or "refused" and exit 1
//   stand-in TITLE SECONDS CLASS  a hidden window: "ready", then "command N" for the first
//                   WM_COMMAND it receives
//   edit-stub SIGNALS FILE  the registered editor: copies FILE to SIGNALS\editor.started,
//                   waits for SIGNALS\editor.release, appends "<CR LF>edited by the
//                   stand-in" to FILE and copies it to SIGNALS\editor.done
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {
// Polls every 50 ms until `want` says yes or the deadline passes.
template <typename Pred> bool WaitFor(double seconds, Pred want) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    bool ok;
    while (!(ok = want()) && GetTickCount64() < deadline)
        Sleep(50);
    return ok;
}

// Handles the thread's messages (its windows') until `done` says yes or the deadline passes.
template <typename Pred> bool PumpUntil(double seconds, Pred done) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    while (!done() && GetTickCount64() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    return done();
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A hidden top-level window of its own class.
HWND MakeWindow(const char* cls, const char* title, WNDPROC proc) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = cls;
    if (!RegisterClassA(&wc))
        return nullptr;
    return CreateWindowA(cls, title, WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr, wc.hInstance,
                         nullptr);
}

// The popup menus on the screen, the one on top first.
std::vector<RECT> ShownMenus() {
    std::vector<RECT> rects;
    RECT r;
    for (HWND hwnd = nullptr; (hwnd = FindWindowExA(nullptr, hwnd, "#32768", nullptr));)
        if (IsWindowVisible(hwnd) && GetWindowRect(hwnd, &r))
            rects.push_back(r);
    return rects;
}

// The hot window: a shown dialog without a title (the hot-icon has none, the hot-menu draws
// its own caption) of the program whose frame has that title.
HWND HotWindow(const char* title) {
    DWORD pid = 0;
    DWORD owner = 0;
    if (HWND frame = FindWindowA(nullptr, title))
        GetWindowThreadProcessId(frame, &pid);
    for (HWND hwnd = nullptr; pid && (hwnd = FindWindowExA(nullptr, hwnd, "#32770", nullptr));)
        if (GetWindowThreadProcessId(hwnd, &owner) && owner == pid && IsWindowVisible(hwnd) &&
            GetWindowTextLengthA(hwnd) == 0)
            return hwnd;
    return nullptr;
}

std::string RectText(const RECT& r) {
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) +
           " " + std::to_string(r.bottom);
}

int Done(bool ok) {
    return ok ? 0 : 1;
}

void Print(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// Prints the window's rectangle after PREFIX; 1 when there is none.
int PrintRect(HWND window, const char* prefix = "") {
    RECT r = {};
    if (!window || !GetWindowRect(window, &r))
        return 1;
    Print(prefix + RectText(r));
    return 0;
}

int Info(const char* title) {
    const HWND found = FindWindowA(nullptr, title); // the one on top
    if (!found)
        return 1;
    int count = 0;
    for (HWND hwnd = nullptr; (hwnd = FindWindowExA(nullptr, hwnd, nullptr, title));)
        ++count;
    DWORD pid = 0;
    GetWindowThreadProcessId(found, &pid);
    HWND service = GetDlgItem(found, 1);
    Print("found=1 count=" + std::to_string(count) +
          " visible=" + std::to_string(IsWindowVisible(found) ? 1 : 0) +
          " pid=" + std::to_string(pid) + " service=" + std::to_string(service ? 1 : 0) +
          " service_visible=" + std::to_string(service && IsWindowVisible(service) ? 1 : 0));
    return 0;
}

int Hold(const char* path, const std::string& share, const char* stopFile, double seconds) {
    const HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE,
                                    share == "rw" ? FILE_SHARE_READ | FILE_SHARE_WRITE : 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    Print("held");
    WaitFor(seconds, [&] { return FileExists(stopFile); });
    CloseHandle(file);
    return 0;
}

BOOL CALLBACK PrintControl(HWND child, LPARAM) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(child)) + 1, '\0');
    text.resize(
        static_cast<size_t>(GetWindowTextA(child, &text[0], static_cast<int>(text.size()))));
    Print(std::to_string(GetDlgCtrlID(child)) + " " + text);
    return TRUE;
}

// The place and the controls of the first visible dialog with that title.
int Dialog(const char* title, double seconds) {
    HWND dialog = nullptr;
    if (!WaitFor(seconds, [&] { return IsWindowVisible(dialog = FindWindowA("#32770", title)); }))
        return 1;
    PrintRect(dialog, "rect ");
    EnumChildWindows(dialog, PrintControl, 0);
    return 0;
}

// The first command the stand-in window received (-1: none yet); one window per process.
int g_standInCommand = -1;

LRESULT CALLBACK StandInProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND && g_standInCommand < 0)
        g_standInCommand = LOWORD(wParam);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

int StandIn(const char* title, double seconds, const char* cls) {
    if (!MakeWindow(cls, title, StandInProc))
        return 1;
    Print("ready");
    if (!PumpUntil(seconds, [] { return g_standInCommand >= 0; }))
        return 1;
    Print("command " + std::to_string(g_standInCommand));
    return 0;
}

// --- the clipboard, as other programs use it ---

// Another program may hold the clipboard for a moment.
bool OpenSoon() {
    return WaitFor(1, [] { return OpenClipboard(nullptr) != FALSE; });
}

bool PutBlock(UINT format, const void* bytes, size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size ? size : 1);
    if (!block)
        return false;
    if (void* p = GlobalLock(block)) {
        if (size)
            std::memcpy(p, bytes, size);
        GlobalUnlock(block);
    }
    if (SetClipboardData(format, block))
        return true;
    GlobalFree(block);
    return false;
}

int ClipSet(const char* text, const char* mark) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, &wide[0], n);
    if (!OpenSoon())
        return 1;
    bool ok = EmptyClipboard() && PutBlock(CF_UNICODETEXT, wide.c_str(), wide.size() * 2);
    if (ok && mark)
        ok = PutBlock(RegisterClipboardFormatA(mark), "", 0);
    CloseClipboard();
    return ok ? 0 : 1;
}

int ClipHeld(const char* text, int ms) {
    // The viewer being told of the cut may have opened the clipboard first: wait it out.
    if (ClipSet(text, nullptr) != 0 || !OpenSoon())
        return 1;
    Print("held");
    Sleep(static_cast<DWORD>(ms));
    CloseClipboard();
    return 0;
}

// The watcher: a member of the viewer chain that reports and passes on.
HWND g_next = nullptr;

std::string OfferedText() {
    std::string utf8;
    if (!OpenSoon())
        return utf8;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (const auto* text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr) {
        const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
        utf8.assign(static_cast<size_t>(n > 0 ? n : 1), '\0');
        WideCharToMultiByte(CP_UTF8, 0, text, -1, &utf8[0], n, nullptr, nullptr);
        utf8.resize(std::strlen(utf8.c_str()));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return utf8;
}

LRESULT CALLBACK WatchProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DRAWCLIPBOARD)
        Print("draw " + OfferedText());
    if (msg == WM_CHANGECBCHAIN && reinterpret_cast<HWND>(wParam) == g_next)
        g_next = reinterpret_cast<HWND>(lParam);
    else if ((msg == WM_DRAWCLIPBOARD || msg == WM_CHANGECBCHAIN) && g_next)
        SendMessageA(g_next, msg, wParam, lParam);
    else
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    return 0;
}

int ClipWatch(double seconds) {
    HWND window = MakeWindow("QbxctlWatcher", "qbxctl watcher", WatchProc);
    if (!window)
        return 1;
    g_next = SetClipboardViewer(window);
    Print("joined");
    PumpUntil(seconds, [] { return false; });
    ChangeClipboardChain(window, g_next);
    DestroyWindow(window);
    return 0;
}

int EditStub(const std::string& signals, const char* file) {
    if (!CopyFileA(file, (signals + "\\editor.started").c_str(), FALSE) ||
        !WaitFor(120, [&] { return FileExists(signals + "\\editor.release"); }))
        return 1;
    FILE* f = std::fopen(file, "ab");
    if (!f || std::fputs("\r\nedited by the stand-in", f) < 0 || std::fclose(f) != 0)
        return 1;
    return Done(CopyFileA(file, (signals + "\\editor.done").c_str(), FALSE));
}

// A hot key without a window belongs to the thread; its messages come to the queue.
int HoldKey(const char* mods, const char* vk, double seconds) {
    if (!RegisterHotKey(nullptr, 1, static_cast<UINT>(std::strtoul(mods, nullptr, 0)),
                        static_cast<UINT>(std::strtoul(vk, nullptr, 0)))) {
        Print("refused");
        return 1;
    }
    Print("held");
    PumpUntil(seconds, [] { return false; });
    UnregisterHotKey(nullptr, 1);
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    _setmode(_fileno(stdout), _O_BINARY); // LF alone: the scripts read the lines as they are
    const std::string cmd = argv[1];
    const char* title = argv[2];
    const double seconds = std::atof(argv[argc - 1]);
    if (cmd == "wait-window" && argc == 4)
        return Done(WaitFor(seconds, [&] { return FindWindowA(nullptr, title) != nullptr; }));
    if (cmd == "wait-gone" && argc == 4)
        return Done(WaitFor(seconds, [&] { return FindWindowA(nullptr, title) == nullptr; }));
    if (cmd == "info")
        return Info(title);
    if (cmd == "syscolor") { // upper case, as a screen pixel reads
        const COLORREF c = GetSysColor(std::atoi(argv[2]));
        std::printf("#%02X%02X%02X\n", GetRValue(c), GetGValue(c), GetBValue(c));
        return 0;
    }
    if (cmd == "viewer" && argc == 4) // the frame's service window heads the viewer chain
        return Done(WaitFor(seconds, [&] {
            HWND frame = FindWindowA(nullptr, title);
            return frame && GetClipboardViewer() == GetDlgItem(frame, 1);
        }));
    if (cmd == "hold" && argc == 6)
        return Hold(argv[2], argv[3], argv[4], seconds);
    if (cmd == "wait-shown" && (argc == 4 || argc == 6)) {
        auto shown = [&] {
            HWND w = FindWindowA(argv[2], nullptr);
            RECT r;
            return w && IsWindowVisible(w) && GetWindowRect(w, &r) &&
                   (argc == 4 || (r.left == std::atol(argv[4]) && r.top == std::atol(argv[5])));
        };
        return Done(WaitFor(std::atof(argv[3]), shown));
    }
    if (cmd == "hot" && argc == 4) {
        HWND hot = nullptr;
        WaitFor(seconds, [&] { return (hot = HotWindow(title)) != nullptr; });
        return PrintRect(hot);
    }
    if (cmd == "wait-key" && argc == 4) { // VK SECONDS: the key held, as Wine sees it
        const int vk = std::atoi(argv[2]);
        return Done(WaitFor(seconds, [&] { return (GetAsyncKeyState(vk) & 0x8000) != 0; }));
    }
    if (cmd == "wait-cursor" && argc == 5) {
        const POINT want = {std::atol(argv[2]), std::atol(argv[3])};
        POINT at = {-1, -1};
        if (WaitFor(seconds, [&] { return GetCursorPos(&at) && at.x == want.x && at.y == want.y; }))
            return 0;
        std::printf("%ld,%ld\n", at.x, at.y); // where Wine sees it instead
        return 1;
    }
    if (cmd == "dialog" && argc == 4)
        return Dialog(title, seconds);
    if (cmd == "stand-in" && argc == 5)
        return StandIn(title, std::atof(argv[3]), argv[4]);
    if (cmd == "clip-has" && argc == 3)
        return Done(IsClipboardFormatAvailable(std::strtoul(argv[2], nullptr, 0)));
    if (cmd == "clip-set" && (argc == 3 || argc == 4))
        return ClipSet(argv[2], argc == 4 ? argv[3] : nullptr);
    if (cmd == "clip-held" && argc == 4)
        return ClipHeld(argv[2], std::atoi(argv[3]));
    if (cmd == "clip-wait-open" && argc == 4)
        return Done(WaitFor(seconds, [&] {
            char cls[256] = "";
            HWND opener = GetOpenClipboardWindow();
            return opener && GetClassNameA(opener, cls, sizeof cls) &&
                   std::strcmp(cls, argv[2]) == 0;
        }));
    if (cmd == "clip-watch" && argc == 3)
        return ClipWatch(seconds);
    if (cmd == "edit-stub" && argc == 4)
        return EditStub(argv[2], argv[3]);
    if (cmd == "hold-key" && argc == 5)
        return HoldKey(argv[2], argv[3], seconds);
    if (cmd == "wait-menus" && argc == 4) {
        const size_t count = std::strtoul(argv[2], nullptr, 0);
        std::vector<RECT> menus;
        if (!WaitFor(seconds, [&] { return (menus = ShownMenus()).size() >= count; }))
            return 1;
        for (const RECT& r : menus)
            Print(RectText(r));
        return 0;
    }

    // A dialog before the hidden frame of the same title.
    HWND window = FindWindowA("#32770", title);
    if (!window && !(window = FindWindowA(nullptr, title)))
        return 1;
    if (cmd == "close")
        return Done(PostMessageA(window, WM_CLOSE, 0, 0));
    if (cmd == "rect")
        return PrintRect(window);
    if (cmd == "item" && argc == 4)
        return PrintRect(GetDlgItem(window, std::atoi(argv[3])));
    if (cmd == "text" && argc == 4) {
        char text[512] = "";
        GetDlgItemTextA(window, std::atoi(argv[3]), text, sizeof text);
        Print(text);
        return 0;
    }
    return 2;
}
