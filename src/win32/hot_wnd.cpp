#include "hot_wnd.h"

#include <commctrl.h>
#include <windowsx.h>

#include "app/service_wnd.h"
#include "hot_drop_target.h"
#include "player_host.h"
#include "port/clock_win32.h"
#include "resource.h"
#include "store/program_files.h"
#include "ui/main_menu.h" // the hot-menu's model goes with the window

namespace {
constexpr UINT_PTR TIMER_TICK = 1; // every second: the clock, the pointer's leaving
constexpr UINT_PTR TIMER_HOVER = 2;
constexpr UINT TICK_MS = 1000;
constexpr UINT_PTR TIP_TOOL = 1;
constexpr int TIP_WIDTH = 200;

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM list) {
    reinterpret_cast<std::vector<PixelRect>*>(list)->push_back(
        {rect->left, rect->top, rect->right, rect->bottom});
    return TRUE;
}

bool PointerOutside(HWND window) {
    POINT at;
    RECT r;
    return GetCursorPos(&at) && GetWindowRect(window, &r) && !PtInRect(&r, at);
}
} // namespace

std::string CHotWnd::PlayerStatus() const {
    return m_players ? m_players->StatusText() : std::string();
}

std::vector<PixelRect> CHotWnd::Monitors() {
    std::vector<PixelRect> monitors;
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

CHotWnd::CHotWnd(CServiceWnd& service, const CDocumentsMenus& documents,
                 IRegistryLists& systemLists, CPlayerHost* players, uint8_t style, int indicator)
    : m_service(service), m_documents(documents), m_systemLists(systemLists), m_players(players),
      m_look(LookOfHotStyle(style)), m_hover((style & HOT_STYLE_MOUSE_ON_ICON) != 0),
      m_nIndicator(indicator) {}

CHotWnd::~CHotWnd() {
    if (Handle()) {
        RevokeDragDrop(Handle());
        KillTimer(Handle(), TIMER_TICK);
        KillTimer(Handle(), TIMER_HOVER);
        SetMenu(Handle(), nullptr);
        DestroyWindow(Handle());
    }
    ReleaseBar();
    if (m_dropTarget) {
        m_dropTarget->Detach();
        m_dropTarget->Release();
    }
}

bool CHotWnd::Create() {
    if (!IsMenu() && !m_picture.Load(m_look, ProgramFilePath(".bmp")))
        return false;
    m_dropTarget = new HotDropTarget(m_service);
    return CreateDialogObject(IDD_HOT_WINDOW, nullptr);
}

void CHotWnd::ShowIndicator(int indicator) {
    m_nIndicator = indicator;
    if (!Handle())
        return;
    if (IsMenu()) {
        PaintCaption();
        return;
    }
    InvalidateRect(Handle(), nullptr, TRUE);
    if (!m_hiddenForMenu)
        ShowWindow(Handle(), SW_SHOWNOACTIVATE);
}

void CHotWnd::Refresh() {
    if (!IsMenu() || !Handle())
        return;
    if (m_menuLoops > 0) { // the bar or one of its popups is tracked: not from under it
        m_refreshWanted = true;
        return;
    }
    RefreshHotMenu();
}

void CHotWnd::Show(bool visible) {
    m_hiddenForMenu = !visible;
    if (Handle())
        ShowWindow(Handle(), visible ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void CHotWnd::SetHoverOpening(bool on) {
    m_hover.SetOn(on);
    if (Handle())
        KillTimer(Handle(), TIMER_HOVER);
}

LRESULT CHotWnd::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_COMMAND:
        ForwardCommand(wParam, lParam);
        return 0;
    case WM_NCLBUTTONDBLCLK:
        SavePosition();
        m_service.OnHotWindowClick(HotClick::Double);
        return 0;
    default:
        return IsMenu() ? HandleMenuMessage(msg, wParam, lParam)
                        : HandleIconMessage(msg, wParam, lParam);
    }
}

LRESULT CHotWnd::OnInitDialog() {
    if (IsMenu()) {
        InitHotMenu();
    } else {
        const SIZE frame = m_picture.FrameSize();
        const HotPoint at = m_service.m_ptHot;
        const PixelRect place =
            PlaceOnDesktop({at.x, at.y, at.x + frame.cx, at.y + frame.cy}, Monitors());
        SetWindowPos(Handle(), HWND_TOPMOST, place.left, place.top, frame.cx, frame.cy,
                     SWP_NOACTIVATE | SWP_SHOWWINDOW);
        SavePosition(); // a place brought back into view is the place from now on
        AddTip();
    }
    if (m_dropTarget)
        RegisterDragDrop(Handle(), m_dropTarget);
    SetTimer(Handle(), TIMER_TICK, TICK_MS, nullptr);
    m_nHotEntry = -1;
    return FALSE; // the focus stays where it is
}

bool CHotWnd::SavePosition() {
    RECT r;
    if (!GetWindowRect(Handle(), &r))
        return false;
    return m_service.m_hotWnd.SavePlace({r.left, r.top, r.right, r.bottom},
                                        m_bCollapsed || !IsMenu());
}

void CHotWnd::PointerLeftCheck() {
    if (PointerOutside(Handle()))
        m_bLeft = true;
}

void CHotWnd::OnTimer(UINT_PTR id) {
    PointerLeftCheck();
    if (id == TIMER_HOVER && IsMenu()) {
        OnHoverPopupTimer();
        return;
    }
    if (id == TIMER_HOVER) {
        POINT at = {};
        GetCursorPos(&at);
        OnHoverStep(m_hover.OnTimer({at.x, at.y}, !PointerOutside(Handle())));
        return;
    }
    if (id != TIMER_TICK)
        return;
    if (IsMenu()) {
        // A new minute, or what plays changed.
        const LocalTime now = Win32Clock().LocalNow();
        if (now.minute != m_nClockMinute || HotMenuCaption(now, PlayerStatus()) != m_captionText) {
            m_nClockMinute = now.minute;
            SetWindowTextA(Handle(), "");
            PaintCaption();
        }
    } else if (m_look.kind == HotKind::Clock && IsWindowVisible(Handle())) {
        InvalidateRect(Handle(), nullptr, TRUE);
        UpdateWindow(Handle());
    }
}

void CHotWnd::ForwardCommand(WPARAM wParam, LPARAM lParam) {
    SendMessageA(ToHwnd(m_service.GetSafeHwnd()), WM_COMMAND, wParam, lParam);
    m_hHoverPopup = nullptr;
    m_nHotEntry = -1;
}

// ---- the hot-icon ----

LRESULT CHotWnd::HandleIconMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND:
        PaintIcon(reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_NCHITTEST: {
        SavePosition();
        const POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        OnHoverStep(m_hover.OnHitTest({at.x, at.y}));
        return HTCAPTION; // the system moves the window while the left button is held
    }
    case WM_NOTIFY: {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
        if (!info || info->hdr.hwndFrom != m_tip || info->hdr.code != TTN_GETDISPINFOA)
            return DefaultProc(msg, wParam, lParam);
        m_tipText = HotIconTip(Win32Clock().LocalNow(), PlayerStatus());
        info->lpszText = &m_tipText[0];
        return 0;
    }
    case WM_NCMOUSEMOVE:
        RelayToTip(WM_MOUSEMOVE, lParam);
        // The window that had the focus before the pointer came is the paste target.
        if (m_bLeft) {
            m_bLeft = false;
            m_service.RememberTarget();
        }
        return DefaultProc(msg, wParam, lParam);
    case WM_NCLBUTTONDOWN:
        RelayToTip(WM_LBUTTONDOWN, lParam);
        SavePosition();
        DefaultProc(msg, wParam, lParam); // the move loop, until the button is released
        if (!SavePosition())              // a click, not a drag
            m_service.OnHotWindowClick(HotClick::Left);
        return 0;
    case WM_NCLBUTTONUP:
        SavePosition();
        return DefaultProc(msg, wParam, lParam);
    case WM_NCRBUTTONDOWN:
        RelayToTip(WM_RBUTTONDOWN, lParam);
        SavePosition();
        return 0;
    case WM_NCRBUTTONUP:
        SavePosition();
        m_service.OnHotWindowClick(HotClick::Right);
        return 0;
    default:
        return DefaultProc(msg, wParam, lParam);
    }
}

void CHotWnd::AddTip() {
    m_tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    if (!m_tip)
        return;
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = Handle();
    tool.uId = TIP_TOOL;
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    GetClientRect(Handle(), &tool.rect);
    SendMessageA(m_tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(m_tip, TTM_SETMAXTIPWIDTH, 0, TIP_WIDTH);
    if (m_service.m_font != NO_FONT)
        SendMessageA(m_tip, WM_SETFONT, static_cast<WPARAM>(m_service.m_font), FALSE);
}

void CHotWnd::RelayToTip(UINT clientMsg, LPARAM screenPoint) {
    if (!m_tip)
        return;
    POINT at = {GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
    MSG relayed = {};
    relayed.hwnd = Handle();
    relayed.message = clientMsg;
    relayed.pt = at;
    relayed.time = static_cast<DWORD>(GetMessageTime());
    ScreenToClient(Handle(), &at);
    relayed.lParam = MAKELPARAM(at.x, at.y);
    SendMessageA(m_tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void CHotWnd::PaintIcon(HDC dc) {
    const std::vector<uint32_t> pixels = m_picture.Compose(m_nIndicator, Win32Clock().LocalNow());
    const SIZE frame = m_picture.FrameSize();
    std::vector<PixelRun> shape =
        OpaqueRuns(pixels, frame.cx, frame.cy, 0x00FF00FF /* RGB(255, 0, 255) */);
    if (shape != m_shape) { // a new region only when the shape changed: no flicker
        m_shape = std::move(shape);
        SetWindowRgn(Handle(), m_picture.Shape(pixels), FALSE);
    }
    m_picture.Paint(dc, pixels);
}

void CHotWnd::OnHoverStep(const HoverArm::Step& step) {
    if (step.startTimer)
        SetTimer(Handle(), TIMER_HOVER, HOT_HOVER_PERIOD_MS, nullptr);
    if (step.stopTimer)
        KillTimer(Handle(), TIMER_HOVER);
    if (step.openMenu)
        m_service.OnHotWindowRest();
}
