#include "window.h"

#include <utility>

namespace {
// What a message answers when its handler threw: creation fails, everything else gets the
// system's default processing.
LRESULT AnswerAfterFailure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE)
        return FALSE;
    if (msg == WM_CREATE)
        return -1;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}
} // namespace

CWindow::~CWindow() {
    // A derived class destroys its window in its own destructor, while its handlers still
    // exist; this only catches a window left over, without calling into a half-gone object.
    if (m_hWnd) {
        SetWindowLongPtrA(m_hWnd, m_isDialog ? DWLP_USER : GWLP_USERDATA, 0);
        DestroyWindow(m_hWnd);
    }
}

bool CWindow::RegisterWindowClass(const char* className, HICON icon, UINT style) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = &CWindow::WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hIcon = icon;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = className;
    return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool CWindow::CreateWindowObject(DWORD exStyle, const char* className, const char* title,
                                 DWORD style, const RECT& rect, HWND parent, HMENU menuOrId) {
    if (m_hWnd)
        return false;
    HWND hwnd = CreateWindowExA(exStyle, className, title, style, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent, menuOrId,
                                GetModuleHandleA(nullptr), this);
    if (!hwnd)
        m_hWnd = nullptr; // a failed creation is over; no stale handle stays behind
    return hwnd != nullptr;
}

bool CWindow::CreateDialogObject(UINT templateId, HWND owner) {
    if (m_hWnd)
        return false;
    m_isDialog = true;
    HWND hwnd = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner,
                                   &CWindow::DialogProc, reinterpret_cast<LPARAM>(this));
    if (!hwnd)
        m_hWnd = nullptr;
    return hwnd != nullptr;
}

INT_PTR CWindow::RunModalDialog(UINT templateId, HWND owner) {
    if (m_hWnd)
        return -1;
    m_isDialog = true;
    const INT_PTR result =
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner,
                        &CWindow::DialogProc, reinterpret_cast<LPARAM>(this));
    m_hWnd = nullptr;
    return result;
}

LRESULT CWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefaultProc(msg, wParam, lParam);
}

LRESULT CWindow::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!m_isDialog)
        return DefWindowProcA(m_hWnd, msg, wParam, lParam);
    // The dialog manager first asks DialogProc, which then stands aside for this message.
    const UINT outerFor = std::exchange(m_defaultFor, msg);
    const bool outerIn = std::exchange(m_inDefault, true);
    const LRESULT result = DefDlgProcA(m_hWnd, msg, wParam, lParam);
    m_defaultFor = outerFor;
    m_inDefault = outerIn;
    return result;
}

LRESULT CALLBACK CWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CWindow* self = nullptr;
    if (msg == WM_NCCREATE) {
        self = static_cast<CWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (self) {
            self->m_hWnd = hwnd;
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    } else {
        self = reinterpret_cast<CWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    // Messages before WM_NCCREATE (WM_GETMINMAXINFO) and after detaching.
    if (!self)
        return DefWindowProcA(hwnd, msg, wParam, lParam);

    LRESULT result;
    try {
        result = self->HandleMessage(msg, wParam, lParam);
    } catch (...) {
        result = AnswerAfterFailure(hwnd, msg, wParam, lParam);
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->m_hWnd = nullptr;
    }
    return result;
}

INT_PTR CALLBACK CWindow::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CWindow* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<CWindow*>(lParam);
        if (self) {
            self->m_hWnd = hwnd;
            SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        }
    } else {
        self = reinterpret_cast<CWindow*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    // Messages before WM_INITDIALOG (WM_SETFONT) and after detaching go to the manager.
    if (!self)
        return FALSE;
    if (self->m_inDefault && self->m_defaultFor == msg) {
        self->m_inDefault = false; // the manager's own processing is under way
        return FALSE;
    }

    LRESULT result = 0;
    bool handled = true;
    try {
        result = self->HandleMessage(msg, wParam, lParam);
    } catch (...) {
        handled = false; // the manager's default processing answers instead
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->m_hWnd = nullptr;
    }
    if (!handled)
        return FALSE;
    switch (msg) {
    // These answer through the procedure's own return value.
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return static_cast<INT_PTR>(result);
    default:
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
}
