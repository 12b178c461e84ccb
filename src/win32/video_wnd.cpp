#include "video_wnd.h"

#include <windowsx.h>

#include "class_names.h"
#include "store/setting_values.h"
#include "store/settings.h"

namespace {

constexpr UINT WM_GRAPH_EVENT = WM_APP + 1;
constexpr int FRAME_WIDTH = 8; // the band at the edges that sizes the window

} // namespace

CVideoWnd::CVideoWnd(IIniFile& settings, IRegistry& registry, IWaveOut& volume)
    : m_settings(settings), m_registry(registry), m_volume(volume) {}

CVideoWnd::~CVideoWnd() {
    if (Handle())
        DestroyWindow(Handle());
}

bool CVideoWnd::Create(HWND frame) {
    if (!RegisterWindowClass(VIDEO_CLASS))
        return false;
    const VideoPlacement place =
        ParseVideoSetting(ReadSetting(m_settings, VIDEO_SETTING, VIDEO_SETTING_DEFAULT));
    const RECT rect = {place.left, place.top, place.left + place.width, place.top + place.height};
    // Owned by the frame: never on the taskbar, gone with the frame.
    if (!CreateWindowObject(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, VIDEO_CLASS, "",
                            WS_POPUP | WS_CLIPCHILDREN, rect, frame, nullptr))
        return false;
    m_engine = std::make_unique<DirectShowEngine>(Handle(), WM_GRAPH_EVENT);
    m_player = std::make_unique<CMediaPlayer>(MediaPlayerPorts{*m_engine, m_volume, *this});
    return true;
}

LRESULT CVideoWnd::OnPlayerCommand(WPARAM code, LPARAM argument) {
    if (!m_player)
        return 0;
    return m_player->OnCommand(static_cast<int>(code), argument);
}

void CVideoWnd::ShowStatus(const std::string& text) {
    if (!m_statusWnd)
        return;
    const int length = GetWindowTextLengthA(m_statusWnd);
    std::string current(static_cast<size_t>(length) + 1, '\0');
    current.resize(static_cast<size_t>(GetWindowTextA(m_statusWnd, &current[0], length + 1)));
    if (current != text)
        SetWindowTextA(m_statusWnd, text.c_str());
    // HOOK(hot window): the hot-menu window repaints its caption.
}

void CVideoWnd::ShowPicture(bool show) {
    if (show)
        SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    else
        ShowWindow(Handle(), SW_HIDE);
}

LRESULT CVideoWnd::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_GRAPH_EVENT:
        if (m_engine && m_engine->OnGraphEvent() && m_player)
            m_player->OnEngineEvent();
        return 0;
    case WM_SIZE:
        if (m_engine)
            m_engine->Resize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_ERASEBKGND:
        return 1; // the picture covers the window
    case WM_NCHITTEST:
        return OnNcHitTest(lParam);
    case WM_DESTROY:
        OnDestroy();
        return 0;
    default:
        return DefaultProc(msg, wParam, lParam);
    }
}

LRESULT CVideoWnd::OnNcHitTest(LPARAM lParam) {
    // Borderless, yet moved by dragging its inside and sized at its edges and corners.
    RECT r;
    GetWindowRect(Handle(), &r);
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    const bool left = x < r.left + FRAME_WIDTH, right = x >= r.right - FRAME_WIDTH;
    const bool top = y < r.top + FRAME_WIDTH, bottom = y >= r.bottom - FRAME_WIDTH;
    if (top)
        return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
    if (bottom)
        return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
    if (left)
        return HTLEFT;
    if (right)
        return HTRIGHT;
    return HTCAPTION;
}

void CVideoWnd::OnDestroy() {
    RECT r;
    GetWindowRect(Handle(), &r);
    const VideoPlacement place{r.left, r.top, r.right - r.left, r.bottom - r.top};
    WriteSetting(m_settings, m_registry, VIDEO_SETTING, FormatVideoSetting(place));
    m_player.reset(); // the engine goes first: nothing plays into a window that is gone
    m_engine.reset();
}
