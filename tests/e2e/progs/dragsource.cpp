// An application to drag text out of, for the end-to-end tests: a window at (100, 100),
// 200 x 100, from which a press of the left button drags TEXT (as CF_TEXT and
// CF_UNICODETEXT) with OLE drag and drop, as an editor drags a selection.
//   dragsource OUT TEXT [SECONDS]
// Appends to OUT one line per event: "ready HWND", then for each drag "dropped EFFECT" (the
// effect the target chose) or "cancelled". Ends on WM_CLOSE or after SECONDS (default 120).
// Exit codes: 0 done, 2 bad arguments or no OLE.
#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
std::string g_out;
std::string g_text;

void Log(const std::string& line) {
    if (FILE* f = std::fopen(g_out.c_str(), "ab")) {
        std::fprintf(f, "%s\n", line.c_str());
        std::fclose(f);
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

class TextData final : public IDataObject {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject)) {
            *out = this;
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --m_refs; } // lives on the stack
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (QueryGetData(format) != S_OK)
            return DV_E_FORMATETC;
        medium->tymed = TYMED_HGLOBAL;
        medium->pUnkForRelease = nullptr;
        if (format->cfFormat == CF_TEXT) {
            medium->hGlobal = BlockOf(g_text.c_str(), g_text.size() + 1);
        } else {
            std::wstring wide(g_text.begin(), g_text.end());
            medium->hGlobal = BlockOf(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
        }
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

private:
    ULONG m_refs = 1;
};

class Source final : public IDropSource {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropSource)) {
            *out = this;
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
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
        TextData data;
        Source source;
        DWORD effect = DROPEFFECT_NONE;
        const HRESULT hr = DoDragDrop(&data, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
        Log(hr == DRAGDROP_S_DROP ? "dropped " + std::to_string(effect) : "cancelled");
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4)
        return 2;
    g_out = argv[1];
    g_text = argv[2];
    const DWORD seconds = argc > 3 ? static_cast<DWORD>(std::atoi(argv[3])) : 120;
    if (FAILED(OleInitialize(nullptr)))
        return 2;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "QbxDragSource";
    RegisterClassA(&wc);
    HWND top = CreateWindowExA(0, wc.lpszClassName, "Drag source", WS_POPUP | WS_BORDER, 100, 100,
                               200, 100, nullptr, nullptr, wc.hInstance, nullptr);
    if (!top)
        return 2;
    ShowWindow(top, SW_SHOW);
    Log("ready " + std::to_string(reinterpret_cast<UINT_PTR>(top)));
    SetTimer(top, 1, seconds * 1000, [](HWND w, UINT, UINT_PTR, DWORD) { DestroyWindow(w); });
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    OleUninitialize();
    return 0;
}
