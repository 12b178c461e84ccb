// Looks at and sets the Windows clipboard from outside, for the end-to-end tests.
//   clipctl formats                 one line per offered format: "NUMBER NAME BYTES"
//   clipctl register NAME           the number of the registered format NAME
//   clipctl set TEXT                TEXT as Unicode text
//   clipctl set-marked TEXT MARK    TEXT and the registered format MARK (empty data), the way
//                                   programs mark a cut that clipboard tools should not keep
//   clipctl set-held TEXT MS        TEXT, then the clipboard opened again at once and held
//                                   for MS milliseconds, as a slow reader of every cut does
//   clipctl wait-open CLASS SECONDS  returns once a window of class CLASS has the clipboard
//                                   open (exit 1 when none had within SECONDS)
//   clipctl watch SECONDS           join the clipboard-viewer chain; print "joined", then
//                                   "draw TEXT" for every change the chain passes on (TEXT:
//                                   the Unicode text then offered, in UTF-8, on one line)
// Exit codes: 0 done, 1 the clipboard could not be had, 2 bad arguments.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
const char* StandardName(UINT format) {
    switch (format) {
    case CF_TEXT:
        return "CF_TEXT";
    case CF_BITMAP:
        return "CF_BITMAP";
    case CF_OEMTEXT:
        return "CF_OEMTEXT";
    case CF_DIB:
        return "CF_DIB";
    case CF_UNICODETEXT:
        return "CF_UNICODETEXT";
    case CF_HDROP:
        return "CF_HDROP";
    case CF_LOCALE:
        return "CF_LOCALE";
    case CF_DIBV5:
        return "CF_DIBV5";
    case CF_ENHMETAFILE:
        return "CF_ENHMETAFILE";
    case CF_METAFILEPICT:
        return "CF_METAFILEPICT";
    case CF_PALETTE:
        return "CF_PALETTE";
    default:
        return nullptr;
    }
}

// Another program may hold the clipboard for a moment.
bool OpenSoon() {
    for (int i = 0; i < 50; ++i) {
        if (OpenClipboard(nullptr))
            return true;
        Sleep(20);
    }
    return false;
}

int Formats() {
    if (!OpenSoon())
        return 1;
    UINT format = 0;
    while ((format = EnumClipboardFormats(format)) != 0) {
        std::string name;
        if (const char* standard = StandardName(format)) {
            name = standard;
        } else {
            char registered[256] = "";
            const int n = GetClipboardFormatNameA(format, registered, sizeof registered);
            name = n > 0 ? std::string(registered, static_cast<size_t>(n))
                         : "#" + std::to_string(format);
        }
        HANDLE data = GetClipboardData(format);
        const unsigned long size =
            data && format != CF_BITMAP && format != CF_PALETTE && format != CF_ENHMETAFILE
                ? static_cast<unsigned long>(GlobalSize(data))
                : 0;
        std::printf("%u %s %lu\n", format, name.c_str(), size);
    }
    CloseClipboard();
    return 0;
}

bool PutBlock(UINT format, const void* bytes, size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, size ? size : 1);
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

int Set(const char* text, const char* mark) {
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
int SetHeld(const char* text, int ms) {
    if (Set(text, nullptr) != 0 || !OpenClipboard(nullptr))
        return 1;
    std::printf("held\n");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(ms));
    CloseClipboard();
    return 0;
}

int WaitOpen(const char* cls, double seconds) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(seconds * 1000);
    std::string name(257, '\0');
    while (GetTickCount() < end) {
        if (HWND opener = GetOpenClipboardWindow()) {
            const int n = GetClassNameA(opener, &name[0], static_cast<int>(name.size()));
            if (n > 0 && name.compare(0, static_cast<size_t>(n), cls) == 0 &&
                std::strlen(cls) == static_cast<size_t>(n))
                return 0;
        }
        Sleep(1);
    }
    return 1;
}

// The watcher's window: a member of the viewer chain that reports and passes on.
HWND g_next = nullptr;

void PrintDraw() {
    std::string line = "draw ";
    if (OpenSoon()) {
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
                const int n =
                    WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
                std::string utf8(static_cast<size_t>(n > 0 ? n : 1), '\0');
                WideCharToMultiByte(CP_UTF8, 0, text, -1, &utf8[0], n, nullptr, nullptr);
                utf8.resize(std::strlen(utf8.c_str()));
                for (char& c : utf8)
                    if (c == '\r' || c == '\n')
                        c = ' ';
                line += utf8;
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
    }
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

LRESULT CALLBACK WatchProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_DRAWCLIPBOARD:
        PrintDraw();
        if (g_next)
            SendMessageA(g_next, msg, wParam, lParam);
        return 0;
    case WM_CHANGECBCHAIN:
        if (reinterpret_cast<HWND>(wParam) == g_next)
            g_next = reinterpret_cast<HWND>(lParam);
        else if (g_next)
            SendMessageA(g_next, msg, wParam, lParam);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

int Watch(double seconds) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = WatchProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "ClipctlWatcher";
    if (!RegisterClassA(&wc))
        return 1;
    HWND window = CreateWindowA(wc.lpszClassName, "clipctl watcher", WS_OVERLAPPED, 0, 0, 0, 0,
                                nullptr, nullptr, wc.hInstance, nullptr);
    if (!window)
        return 1;
    g_next = SetClipboardViewer(window);
    std::printf("joined\n");
    std::fflush(stdout);
    const DWORD end = GetTickCount() + static_cast<DWORD>(seconds * 1000);
    MSG msg;
    while (GetTickCount() < end) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    }
    ChangeClipboardChain(window, g_next);
    DestroyWindow(window);
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    const std::string cmd = argv[1];
    if (cmd == "formats" && argc == 2)
        return Formats();
    if (cmd == "register" && argc == 3) {
        std::printf("%u\n", RegisterClipboardFormatA(argv[2]));
        return 0;
    }
    if (cmd == "set" && argc == 3)
        return Set(argv[2], nullptr);
    if (cmd == "set-marked" && argc == 4)
        return Set(argv[2], argv[3]);
    if (cmd == "set-held" && argc == 4)
        return SetHeld(argv[2], std::atoi(argv[3]));
    if (cmd == "wait-open" && argc == 4)
        return WaitOpen(argv[2], std::atof(argv[3]));
    if (cmd == "watch" && argc == 3)
        return Watch(std::atof(argv[2]));
    return 2;
}
