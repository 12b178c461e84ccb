#include "main_frame.h"

#include "class_names.h"
#include "platform/ui_strings.h"
#include "resource.h"

CMainFrame::CMainFrame(const HostPorts& ports) : m_wndService(ports) {}

CMainFrame::~CMainFrame() {
    // Destroying the frame here, not in the base, lets the service window still save.
    if (Handle())
        DestroyWindow(Handle());
}

bool CMainFrame::LoadFrame() {
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    if (!RegisterWindowClass(FRAME_CLASS, icon))
        return false;
    const std::string title = LoadUiString(IDR_MAINFRAME);
    const RECT rect = {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
    // Never shown: no WS_VISIBLE, and nobody calls ShowWindow.
    return CreateWindowObject(0, FRAME_CLASS, title.c_str(), WS_OVERLAPPEDWINDOW, rect, nullptr,
                              nullptr);
}

LRESULT CMainFrame::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        return OnCreate();
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_NCDESTROY:
        OnNcDestroy();
        return DefaultProc(msg, wParam, lParam);
    case WM_QUERYENDSESSION:
        return OnQueryEndSession();
    case WM_ENDSESSION:
        OnEndSession(wParam != 0);
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_USER: // PlayerCommand
        return m_players.OnPlayerCommand(wParam, lParam);
    case WM_COMMAND:
        if (OnCommand(LOWORD(wParam)))
            return 0;
        return DefaultProc(msg, wParam, lParam);
    default:
        return DefaultProc(msg, wParam, lParam);
    }
}

LRESULT CMainFrame::OnCreate() {
    if (!m_players.Create(Handle()))
        return -1;
    Service().m_pScheduler = &m_players.Scheduler();
    Service().m_pScheduleEditor = &m_players;
    m_wndService.SetPlayers(&m_players);
    if (!m_wndService.Create(Handle()))
        return -1;
    m_players.Scheduler().SetWindow(Service().GetSafeHwnd());
    m_wndService.BuildDocumentsMenus();
    Service().SetBusy(false);
    return 0;
}

void CMainFrame::OnDestroy() {
    // Runs before the service window goes (children are destroyed after their parent).
    m_players.Destroy();
    m_wndService.FreeDocumentsMenus();
}

void CMainFrame::OnNcDestroy() {
    // The frame and the service window are gone and saved: end the message loop.
    PostQuitMessage(0);
}

LRESULT CMainFrame::OnQueryEndSession() {
    // Windows is shutting down or the user logs off: save and go now, while we may.
    DestroyWindow(Handle());
    return TRUE;
}

void CMainFrame::OnEndSession(bool ending) {
    // Reached only when the query did not come first (or was answered by another window
    // procedure); the session ends either way.
    if (ending && Handle())
        DestroyWindow(Handle());
}

void CMainFrame::OnClose() {
    Service().Close();
}

bool CMainFrame::OnCommand(unsigned id) {
    switch (id) {
    case ID_APP_ABOUT:
        Service().ShowAbout();
        return true;
    case ID_APP_EXIT:
        // A newer copy installs over this one: save and end before it goes on.
        Service().Close();
        return true;
    case ID_UNINSTALL_REQUEST:
        Service().OnUninstallRequest();
        return true;
    default:
        // The service's own commands (pause, continue, scheduler) also reach it from
        // outside, for instance from a script that pauses capture.
        return Service().OnServiceCommand(id);
    }
}
