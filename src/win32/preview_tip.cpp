#include "preview_tip.h"

#include <algorithm>

#include "app/service_wnd.h"
#include "class_names.h"
#include "draw_bitmap.h"
#include "handles.h"

namespace {
constexpr UINT_PTR TIMER_FIRST_TIP = 1;
constexpr UINT_PTR TIMER_FOLLOW = 2; // the highlight can change without an idle message
constexpr UINT FIRST_TIP_DELAY_MS = 1000;
constexpr UINT FOLLOW_PERIOD_MS = 150;
constexpr int TIP_TEXT_WIDTH = 200;
constexpr int TIP_MAX_HEIGHT = 114;
constexpr int TIP_MARGIN = 4;
constexpr POINT TIP_OFFSET = {10, 20};

COLORREF TipBackground() {
    return GetSysColor(COLOR_INFOBK);
}

// The tip's text, by the wide call when the preview holds characters beyond the code page.
void DrawTipText(HDC dc, const TipSubject& subject, RECT& r, UINT format) {
    if (!subject.wideText.empty())
        DrawTextW(dc, reinterpret_cast<const wchar_t*>(subject.wideText.c_str()),
                  static_cast<int>(subject.wideText.size()), &r, format);
    else
        DrawTextA(dc, subject.text.c_str(), static_cast<int>(subject.text.size()), &r, format);
}

} // namespace

CPreviewTip::~CPreviewTip() {
    End();
}

bool CPreviewTip::EnsureWindow() {
    if (Handle())
        return true;
    if (!RegisterWindowClass(PREVIEW_TIP_CLASS, nullptr, CS_SAVEBITS))
        return false;
    const RECT none = {0, 0, 0, 0};
    if (!CreateWindowObject(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, PREVIEW_TIP_CLASS,
                            "", WS_POPUP | WS_BORDER, none, nullptr, nullptr))
        return false;
    SetTimer(Handle(), TIMER_FOLLOW, FOLLOW_PERIOD_MS, nullptr);
    return true;
}

void CPreviewTip::Update(const CServiceWnd& service, HFONT font) {
    m_service = &service;
    m_font = font;
    if (!EnsureWindow())
        return;
    TipSubject subject = TipSubjectOf(service.Highlight());
    if (subject.tool == m_subject.tool && subject.text == m_subject.text &&
        subject.wideText == m_subject.wideText && subject.picture == m_subject.picture)
        return;
    ShowSubject(subject);
}

void CPreviewTip::End() {
    if (Handle())
        DestroyWindow(Handle());
    m_subject = TipSubject();
    m_service = nullptr;
    m_waiting = true;
    m_wanted = false;
}

SIZE CPreviewTip::SizeFor(const TipSubject& subject) {
    if (subject.text.empty() && subject.picture) {
        const PixelSize p = subject.picture->GetPreviewSize();
        return {p.cx + 2, p.cy + 2};
    }
    WindowDC dc(Handle());
    SelectedObject font(dc.Get(),
                        m_font ? static_cast<HGDIOBJ>(m_font) : GetStockObject(DEFAULT_GUI_FONT));
    RECT r = {0, 0, TIP_TEXT_WIDTH, 0};
    DrawTipText(dc.Get(), subject, r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    // The border takes a pixel on each side.
    return {r.right + 2 * TIP_MARGIN + 2,
            std::min<LONG>(r.bottom + 2 * TIP_MARGIN + 2, TIP_MAX_HEIGHT)};
}

void CPreviewTip::ShowSubject(const TipSubject& subject) {
    m_subject = subject;
    m_wanted = subject.Shows();
    if (!m_wanted) {
        ShowWindow(Handle(), SW_HIDE);
        return;
    }
    POINT at = {};
    GetCursorPos(&at); // fails on a locked desktop: the tip then sits at the corner
    const SIZE size = SizeFor(subject);
    SetWindowPos(Handle(), HWND_TOPMOST, at.x + TIP_OFFSET.x, at.y + TIP_OFFSET.y, size.cx, size.cy,
                 SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, FALSE);
    if (m_waiting)
        SetTimer(Handle(), TIMER_FIRST_TIP, FIRST_TIP_DELAY_MS, nullptr);
    else
        ShowNow();
}

void CPreviewTip::ShowNow() {
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
    UpdateWindow(Handle());
}

void CPreviewTip::OnTimer(UINT_PTR id) {
    if (id == TIMER_FIRST_TIP) {
        KillTimer(Handle(), TIMER_FIRST_TIP);
        m_waiting = false;
        if (m_wanted)
            ShowNow();
        return;
    }
    if (id == TIMER_FOLLOW && m_service)
        Update(*m_service, m_font);
}

void CPreviewTip::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    RECT client;
    GetClientRect(Handle(), &client);
    // Painted off screen and copied, so that a large preview does not flicker.
    const UniqueMemoryDc memoryDc(CreateCompatibleDC(dc));
    const HDC memory = memoryDc.Get();
    UniqueBitmap bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
    if (memory && bitmap) {
        SelectedObject keepBitmap(memory, bitmap.Get());
        UniqueBrush back(CreateSolidBrush(TipBackground()));
        FillRect(memory, &client, back.Get());
        if (!m_subject.text.empty()) {
            SelectedObject font(memory, m_font ? static_cast<HGDIOBJ>(m_font)
                                               : GetStockObject(DEFAULT_GUI_FONT));
            SetBkMode(memory, TRANSPARENT);
            SetTextColor(memory, GetSysColor(COLOR_INFOTEXT));
            RECT text = client;
            InflateRect(&text, -TIP_MARGIN, -TIP_MARGIN);
            DrawTipText(memory, m_subject, text, DT_WORDBREAK | DT_NOPREFIX | DT_END_ELLIPSIS);
        } else if (m_subject.picture) {
            RECT box = client;
            InflateRect(&box, -1, -1);
            m_subject.picture->GetPreviewSize(); // brings a stored bitmap into memory
            DrawBitmap(*m_subject.picture, memory, box);
        }
        BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    }
    EndPaint(Handle(), &ps);
}

LRESULT CPreviewTip::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // all painting is done in WM_PAINT
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_NCHITTEST:
        return HTTRANSPARENT; // the pointer belongs to the menu below
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    default:
        return DefaultProc(msg, wParam, lParam);
    }
}
