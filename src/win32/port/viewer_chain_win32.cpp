#include "viewer_chain_win32.h"

#include <windows.h>

#include "win32/handles.h"

namespace {
// A hung member of the chain must not hang this program with it.
constexpr UINT FORWARD_TIMEOUT_MS = 2000;
} // namespace

WindowHandle Win32ViewerChain::Join(WindowHandle viewer) {
    return FromHwnd(SetClipboardViewer(ToHwnd(viewer)));
}

bool Win32ViewerChain::Leave(WindowHandle viewer, WindowHandle next) {
    return ChangeClipboardChain(ToHwnd(viewer), ToHwnd(next)) != FALSE;
}

void Win32ViewerChain::Forward(WindowHandle next, unsigned message, uintptr_t wParam,
                               intptr_t lParam) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(ToHwnd(next), message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                        FORWARD_TIMEOUT_MS, &answer);
}
