#include "app_runtime.h"

#include <commctrl.h>
#include <ole2.h>

#include "app/clip_formats.h"

namespace {
BOOL WINAPI NoSetMenuInfo(HMENU, LPCMENUINFO) {
    return FALSE;
}
} // namespace

SetMenuInfoFn g_pfnSetMenuInfo = &NoSetMenuInfo;

CAppRuntime::CAppRuntime() {
    m_oleReady = SUCCEEDED(OleInitialize(nullptr));
    // The version 6 controls the manifest asks for: tool tips, hot-key fields, date pickers,
    // up-down buttons and track bars of the dialogs.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
    m_richEdit.Reset(LoadLibraryA("RICHED32.DLL"));
    // HOOK(media player): control containment for the media-player control.

    g_cfRtf = RegisterClipboardFormatA(CF_NAME_RTF);
    g_cfHtml = RegisterClipboardFormatA(CF_NAME_HTML);
    g_cfFileName = RegisterClipboardFormatA(CF_NAME_FILENAME);
    g_cfDropEffect = RegisterClipboardFormatA(CF_NAME_DROPEFFECT);

    if (HMODULE user32 = GetModuleHandleA("User32.dll"))
        if (FARPROC proc = GetProcAddress(user32, "SetMenuInfo"))
            g_pfnSetMenuInfo = reinterpret_cast<SetMenuInfoFn>(reinterpret_cast<void*>(proc));
}

CAppRuntime::~CAppRuntime() {
    if (m_oleReady)
        OleUninitialize();
}
