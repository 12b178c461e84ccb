// An application to paste into, for the end-to-end tests: a window whose edit control (a
// Unicode window: text beyond the ANSI code page arrives whole) or rich edit control has the
// focus and reports what it received; or, with drag, one to drag TEXT out of.
//   pastetarget OUT plain|rich SECONDS  |  pastetarget OUT drag SECONDS TEXT
// Each change replaces OUT.txt (the text in UTF-8) and, rich, OUT.rtf (EM_STREAMOUT), whole.
// OUT.log gets "ready HWND" (in front, focused), "drop" (a WM_DROPFILES came), and with drag
// "dropped EFFECT" or "cancelled" once the window (200 x 100 at 100, 100), pressed with the
// left button, has dragged TEXT (CF_TEXT and CF_UNICODETEXT) out with OLE drag and drop.
// Ends on WM_CLOSE or after SECONDS. Exit codes: 0 done, 2 bad arguments.
#include <windows.h>
#include <ole2.h>
#include <richedit.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
std::string g_out;
bool g_rich = false;
HWND g_edit = nullptr;
std::string g_text; // what a drag carries

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
    std::wstring wide(static_cast<size_t>(GetWindowTextLengthW(g_edit)) + 1, L'\0');
    const int length = GetWindowTextW(g_edit, &wide[0], static_cast<int>(wide.size()));
    std::string text(wide.size() * 3, '\0'); // a UTF-16 unit takes three UTF-8 bytes at most
    text.resize(
        static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, &text[0],
                                                static_cast<int>(text.size()), nullptr, nullptr)));
    WriteWhole(g_out + ".txt", text);
    if (g_rich) {
        std::string rtf;
        EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&rtf), 0, AppendRtf};
        SendMessageA(g_edit, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&stream));
        WriteWhole(g_out + ".rtf", rtf);
    }
}

HGLOBAL BlockOf(const void* data, size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (void* p = block ? GlobalLock(block) : nullptr) {
        std::memcpy(p, data, size);
        GlobalUnlock(block);
    }
    return block;
}

// The text a drag carries and the source that drops it once the left button is let go; it
// lives on the stack for one drag.
class DraggedText final : public IDataObject, public IDropSource {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject))
            *out = static_cast<IDataObject*>(this);
        else if (IsEqualIID(riid, IID_IDropSource))
            *out = static_cast<IDropSource*>(this);
        else
            *out = nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (QueryGetData(format) != S_OK)
            return DV_E_FORMATETC;
        medium->tymed = TYMED_HGLOBAL;
        medium->pUnkForRelease = nullptr;
        const std::wstring wide(g_text.begin(), g_text.end());
        medium->hGlobal = format->cfFormat == CF_TEXT
                              ? BlockOf(g_text.c_str(), g_text.size() + 1)
                              : BlockOf(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
        return medium->hGlobal ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        const bool text = format->cfFormat == CF_TEXT || format->cfFormat == CF_UNICODETEXT;
        return text && (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override {
        if (direction != DATADIR_GET)
            return E_NOTIMPL;
        FORMATETC formats[2] = {{CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL},
                                {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}};
        return SHCreateStdEnumFmtEtc(2, formats, out);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
        if (escape)
            return DRAGDROP_S_CANCEL;
        return (keys & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_LBUTTONDOWN: {
        if (g_edit)
            break;
        DraggedText text;
        DWORD effect = DROPEFFECT_NONE;
        const HRESULT hr = DoDragDrop(&text, &text, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
        Log(hr == DRAGDROP_S_DROP ? "dropped " + std::to_string(effect) : "cancelled");
        return 0;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == EN_CHANGE)
            Report();
        return 0;
    case WM_DROPFILES: // Wine passes a bare handle across processes: the files go unread
        Log("drop");
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
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}
} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 2 ? argv[2] : "";
    const bool drag = mode == "drag";
    if (argc != (drag ? 5 : 4))
        return 2;
    g_out = argv[1];
    g_rich = mode == "rich";
    const DWORD seconds = static_cast<DWORD>(std::atoi(argv[3]));
    g_text = drag ? argv[4] : "";
    if ((g_rich && !LoadLibraryA("riched20.dll")) || (drag && FAILED(OleInitialize(nullptr))))
        return 2;

    WNDCLASSA wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "QbxPasteTarget";
    RegisterClassA(&wc);
    HWND top = CreateWindowExA(0, wc.lpszClassName, drag ? "Drag source" : "Paste target",
                               drag ? WS_POPUP | WS_BORDER : WS_OVERLAPPEDWINDOW, 100, 100,
                               drag ? 200 : 560, drag ? 100 : 360, nullptr, nullptr, wc.hInstance,
                               nullptr);
    if (!top)
        return 2;
    if (!drag) {
        const DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL;
        g_edit = CreateWindowExW(0, g_rich ? RICHEDIT_CLASSW : L"EDIT", L"", style, 0, 0, 540, 320,
                                 top, reinterpret_cast<HMENU>(1), wc.hInstance, nullptr);
        if (!g_edit || !IsWindowUnicode(g_edit))
            return 2;
    }
    if (g_rich) {
        SendMessageA(g_edit, EM_SETEVENTMASK, 0, ENM_CHANGE);
        // Plain, not bold, and a font of its own: what arrives formatted stands out.
        CHARFORMATA format = {};
        format.cbSize = sizeof format;
        format.dwMask = CFM_BOLD | CFM_FACE;
        lstrcpynA(format.szFaceName, "Courier New", LF_FACESIZE);
        SendMessageA(g_edit, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    }
    ShowWindow(top, SW_SHOW);
    if (!drag) {
        DragAcceptFiles(top, TRUE);
        SetForegroundWindow(top);
        SetFocus(g_edit);
        Report();
    }
    Log("ready " + std::to_string(reinterpret_cast<UINT_PTR>(top)));

    SetTimer(top, 1, seconds * 1000, [](HWND w, UINT, UINT_PTR, DWORD) { DestroyWindow(w); });
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (drag)
        OleUninitialize();
    return 0;
}
