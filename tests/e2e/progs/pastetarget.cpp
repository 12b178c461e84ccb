// An application to paste into, for the end-to-end tests: a window with an edit control (or
// a rich edit control) that has the keyboard focus, and that reports what it received.
//   pastetarget OUT [plain|rich] [SECONDS]
// The plain control is a Unicode window, so text beyond the ANSI code page arrives whole.
// Writes, each replaced whole on every change (written beside, then renamed):
//   OUT.txt   the control's text in UTF-8 (CR LF as line ends)
//   OUT.rtf   rich: the control's content as Rich Text (EM_STREAMOUT)
// and appends to OUT.log one line per event:
//   ready HWND             the window exists, is in front and its control has the focus
//   drop N PATH|PATH...    WM_DROPFILES reached the window: the files DragQueryFile reads
// Ends on WM_CLOSE or after SECONDS (default 120). Exit codes: 0 done, 2 bad arguments.
#include <windows.h>
#include <richedit.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
std::string g_out;
bool g_rich = false;
HWND g_edit = nullptr;

void Log(const std::string& line) {
    if (FILE* f = std::fopen((g_out + ".log").c_str(), "ab")) {
        std::fprintf(f, "%s\n", line.c_str());
        std::fclose(f);
    }
}

// Readers never see a half-written file.
void WriteWhole(const std::string& path, const std::string& content) {
    const std::string temp = path + ".new";
    FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f)
        return;
    std::fwrite(content.data(), 1, content.size(), f);
    std::fclose(f);
    MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

DWORD CALLBACK AppendRtf(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG* done) {
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<char*>(bytes),
                                                   static_cast<size_t>(count));
    *done = count;
    return 0;
}

void Report() {
    const int length = GetWindowTextLengthW(g_edit);
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    wide.resize(static_cast<size_t>(GetWindowTextW(g_edit, &wide[0], length + 1)));
    std::string text;
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                          nullptr, 0, nullptr, nullptr);
    if (bytes > 0) {
        text.resize(static_cast<size_t>(bytes));
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &text[0], bytes,
                            nullptr, nullptr);
    }
    WriteWhole(g_out + ".txt", text);
    if (g_rich) {
        std::string rtf;
        EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&rtf), 0, AppendRtf};
        SendMessageA(g_edit, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&stream));
        WriteWhole(g_out + ".rtf", rtf);
    }
}

void ReportDrop(HDROP drop) {
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    std::string line = "drop " + std::to_string(count) + " ";
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileA(drop, i, nullptr, 0);
        std::string path(length + 1, '\0');
        DragQueryFileA(drop, i, &path[0], length + 1);
        path.resize(length);
        line += (i ? "|" : "") + path;
    }
    Log(line);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wParam) == EN_CHANGE)
            Report();
        return 0;
    case WM_DROPFILES:
        ReportDrop(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_SIZE:
        MoveWindow(g_edit, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        // As editors do: the window passes the focus on to its control whenever it gets it
        // back, for instance when it becomes active again after another program's menu.
        if (g_edit)
            SetFocus(g_edit);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4)
        return 2;
    g_out = argv[1];
    g_rich = argc > 2 && std::string(argv[2]) == "rich";
    const DWORD seconds = argc > 3 ? static_cast<DWORD>(std::atoi(argv[3])) : 120;
    if (g_rich && !LoadLibraryA("riched20.dll"))
        return 2;

    WNDCLASSA wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "QbxPasteTarget";
    RegisterClassA(&wc);
    HWND top = CreateWindowExA(0, wc.lpszClassName, "Paste target", WS_OVERLAPPEDWINDOW, 100, 100,
                               560, 360, nullptr, nullptr, wc.hInstance, nullptr);
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL;
    if (g_rich)
        g_edit = CreateWindowExA(0, RICHEDIT_CLASSA, "", style, 0, 0, 540, 320, top,
                                 reinterpret_cast<HMENU>(1), wc.hInstance, nullptr);
    else
        g_edit = CreateWindowExW(0, L"EDIT", L"", style, 0, 0, 540, 320, top,
                                 reinterpret_cast<HMENU>(1), wc.hInstance, nullptr);
    if (g_edit && !g_rich && !IsWindowUnicode(g_edit))
        return 2;
    if (!top || !g_edit)
        return 2;
    if (g_rich) {
        SendMessageA(g_edit, EM_SETEVENTMASK, 0, ENM_CHANGE);
        // Plain, not bold, and a font of its own: what arrives formatted stands out.
        CHARFORMATA format = {};
        format.cbSize = sizeof format;
        format.dwMask = CFM_BOLD | CFM_FACE;
        lstrcpynA(format.szFaceName, "Courier New", LF_FACESIZE);
        SendMessageA(g_edit, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    }
    DragAcceptFiles(top, TRUE);
    ShowWindow(top, SW_SHOW);
    SetForegroundWindow(top);
    SetFocus(g_edit);
    Report();
    Log("ready " + std::to_string(reinterpret_cast<UINT_PTR>(top)));

    SetTimer(top, 1, seconds * 1000, [](HWND w, UINT, UINT_PTR, DWORD) { DestroyWindow(w); });
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
