#pragma once
// Base of every window of the program. Its window procedure finds the C++ object of the
// window (stored at WM_NCCREATE, so even the first messages reach it) and calls its
// HandleMessage, a switch over short OnXxx methods. No exception leaves the procedure.
// Dialogs made from a template are served the same way from WM_INITDIALOG on; their
// DefaultProc is the dialog manager's.
#include <windows.h>

class CWindow {
public:
    CWindow() = default;
    virtual ~CWindow();
    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;

    HWND Handle() const { return m_hWnd; }

    // Registers a window class served by this base; registering a name twice is fine.
    static bool RegisterWindowClass(const char* className, HICON icon = nullptr, UINT style = 0);

protected:
    // Creates the window with this object as its owner; false when the system refuses
    // (or a handler made WM_NCCREATE or WM_CREATE fail).
    bool CreateWindowObject(DWORD exStyle, const char* className, const char* title, DWORD style,
                            const RECT& rect, HWND parent, HMENU menuOrId);
    // A modeless dialog from the program's template `templateId`; false when the system
    // refuses.
    bool CreateDialogObject(UINT templateId, HWND owner);
    // Runs a modal dialog from the template and returns what EndDialog gave, -1 on failure.
    INT_PTR RunModalDialog(UINT templateId, HWND owner);

    // Every message of the window. The default passes it to DefWindowProc.
    virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;
    bool m_isDialog = false;
    // The message DefaultProc hands to the dialog manager, which asks DialogProc about it
    // first: that one call is left to the manager.
    UINT m_defaultFor = 0;
    bool m_inDefault = false;
};
