#include "service_host.h"

#include "about_dlg.h"
#include "class_names.h"
#include "port/menu_font_win32.h"

CServiceHost::CServiceHost(const HostPorts& ports)
    : m_settings(ports.settings), m_msgTaskbarCreated(RegisterWindowMessageA("TaskbarCreated")),
      m_service(
          ServicePorts{*this,       ports.focus,     ports.messages, m_prompts, ports.installation,
                       ports.store, ports.languages, m_clipboard,    m_viewers, m_clock,
                       m_sound,     m_hotKeys,       m_timers,       m_tray,    m_input,
                       m_keys,      m_targets,       m_targets,      m_menus,   m_systemLists,
                       m_documents, m_pictures,      m_hotWindows,   m_camera},
          GetSystemMetrics(SM_CXSCREEN), GetTickCount()) {
    m_service.m_pItemEdits = &m_edits;
    m_service.m_pAboutBox = this;
}

CServiceHost::~CServiceHost() {
    // Normally gone with the frame; if not, destroy it now so that the service still saves.
    if (Handle())
        DestroyWindow(Handle());
}

bool CServiceHost::Create(HWND frame) {
    return m_service.Create(FromHwnd(frame));
}

WindowHandle CServiceHost::CreateServiceWindow(WindowHandle parent) {
    if (!RegisterWindowClass(SERVICE_CLASS))
        return NO_WINDOW;
    // No title, no visible style, an empty rectangle: the window is never seen.
    const RECT empty = {0, 0, 0, 0};
    if (!CreateWindowObject(0, SERVICE_CLASS, "", WS_CHILD, empty, ToHwnd(parent),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(1))))
        return NO_WINDOW;
    return FromHwnd(Handle());
}

FontHandle CServiceHost::CreateMenuFont() {
    UniqueFont font(::CreateMenuFont(m_settings));
    if (font) // else the font in use stays
        m_font = std::move(font);
    return FromHfont(m_font.Get());
}

FontHandle CServiceHost::ChooseMenuFont() {
    if (!::ChooseMenuFont(GetParent(Handle()), m_font.Get(), m_settings, m_registry))
        return NO_FONT;
    return CreateMenuFont();
}

void CServiceHost::DestroyParent() {
    if (HWND frame = GetParent(Handle()))
        DestroyWindow(frame);
}

void CServiceHost::SendCommand(uintptr_t wParam, intptr_t lParam) {
    SendMessageA(Handle(), WM_COMMAND, wParam, lParam);
}

void CServiceHost::PostCommand(uintptr_t wParam, intptr_t lParam) {
    PostMessageA(Handle(), WM_COMMAND, wParam, lParam);
}

void CServiceHost::Show(uint32_t pasteCount) {
    CAboutDlg about(pasteCount, m_documents);
    about.DoModal(GetParent(Handle()));
}

LRESULT CServiceHost::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT menuResult = 0;
    if (HandleMenuMessage(msg, wParam, lParam, menuResult))
        return menuResult;
    if (msg == m_msgTaskbarCreated && m_msgTaskbarCreated != 0) {
        // A new taskbar knows nothing of the icon.
        if (!(m_service.m_dwOptions & OPT_NO_TRAY_ICON))
            m_service.SetTrayIcon(true);
        return 0;
    }
    switch (msg) {
    case WM_DRAWCLIPBOARD:
        m_service.OnDrawClipboard(wParam, lParam);
        return 0;
    case WM_CHANGECBCHAIN:
        m_service.OnChangeCbChain(FromHwnd(reinterpret_cast<HWND>(wParam)),
                                  FromHwnd(reinterpret_cast<HWND>(lParam)));
        return 0;
    case WM_HOTKEY:
        m_service.OnHotKey(static_cast<int>(wParam), lParam);
        return 0;
    case WM_TIMER:
        m_service.OnTimer(wParam);
        return 0;
    case WM_USER: // the taskbar icon's callback
        return m_service.OnTrayNotify(wParam, lParam);
    case WM_COMMAND:
        m_service.OnCommand(wParam, lParam);
        return 0;
    case WM_DESTROY:
        m_service.OnDestroy();
        return 0;
    case WM_GETFONT:
        // A plain window keeps no font; this one answers with the menu font it owns.
        return reinterpret_cast<LRESULT>(m_font.Get());
    case WM_SETFONT:
        return 0; // the font comes from the "Font" setting only
    case WM_NCDESTROY:
        // Nothing draws with the menu font once the window is gone.
        m_service.m_font = NO_FONT;
        m_font.Reset();
        return DefaultProc(msg, wParam, lParam);
    default:
        return DefaultProc(msg, wParam, lParam);
    }
}
