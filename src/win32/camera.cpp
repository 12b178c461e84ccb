#include "camera.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "app/service_wnd.h"
#include "platform/ui_strings.h"
#include "resource.h"
#include "ui/hot_geometry.h"

namespace {
constexpr UINT_PTR TIMER_FOLLOW = 1;
constexpr UINT FOLLOW_MS = 80;
constexpr int PANEL_GAP = 2;
constexpr int TIP_WIDTH = 100;
// Large enough for the colour text, as other programs expect of it.
constexpr size_t COLOUR_BLOCK = 16;

PixelRect PrimaryScreen() {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

// Every screen of the desktop: what the pointer can be over.
PixelRect VirtualScreen() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
            top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

RECT ChildRect(HWND dialog, HWND child) {
    RECT r = {};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string WindowText(HWND window) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(
        static_cast<size_t>(GetWindowTextA(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

// A block handed to the clipboard; false (and the block freed) when it is refused.
bool PutBlock(UINT format, UniqueGlobal block) {
    if (!block || !SetClipboardData(format, block.Get()))
        return false;
    block.Release(); // the clipboard owns it now
    return true;
}
} // namespace

CCamera::~CCamera() {
    if (Handle())
        DestroyWindow(Handle());
}

unsigned CCamera::Run(PixelRect& rect, uint16_t& flags) {
    if (Handle())
        return 0;
    m_rect = rect;
    m_nCopyFlags = flags;
    m_copies = 0;
    m_laidOut = false;
    // No owner: the program's frame stays enabled for the menus and the hot window.
    if (RunModalDialog(IDD_CAMERA, nullptr) == -1)
        return 0;
    rect = m_rect;
    flags = m_nCopyFlags;
    return m_copies;
}

bool CCamera::BringToFront() {
    if (!Handle())
        return false;
    SetForegroundWindow(Handle());
    return true;
}

LRESULT CCamera::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_TIMER:
        if (wParam == TIMER_FOLLOW)
            OnTick();
        return 0;
    case WM_SIZE:
        if (m_laidOut)
            Layout(!m_sizeChosen);
        return 0;
    case WM_GETMINMAXINFO:
        if (m_laidOut) {
            const PixelSize least = CameraMinimumSize(m_metrics);
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {least.cx, least.cy};
        }
        return 0;
    case WM_NCHITTEST: {
        // Dragged by any point that is no control.
        const LRESULT r = DefaultProc(msg, wParam, lParam);
        return r == HTCLIENT ? HTCAPTION : r;
    }
    case WM_DRAWITEM:
        if (wParam == IDC_CAMERA_VIEW) {
            DrawFragment(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        return DefaultProc(msg, wParam, lParam);
    case WM_COMMAND:
        if (OnCommand(LOWORD(wParam), HIWORD(wParam)))
            return 0;
        return DefaultProc(msg, wParam, lParam);
    case WM_DESTROY:
        OnDestroy();
        return DefaultProc(msg, wParam, lParam);
    default:
        return DefaultProc(msg, wParam, lParam);
    }
}

bool CCamera::OnCommand(int id, int code) {
    switch (id) {
    case IDC_CAMERA_COPY:
        if (code == BN_CLICKED)
            Copy();
        return true;
    case IDC_CAMERA_SIZE:
        if (code == CBN_EDITCHANGE || code == CBN_SELCHANGE)
            OnSizeChoice(code == CBN_SELCHANGE);
        return true;
    case IDOK:
    case IDCANCEL:
        EndDialog(Handle(), id);
        return true;
    default:
        return false;
    }
}

LRESULT CCamera::OnInitDialog() {
    SetTexts();
    for (const char* size : CAMERA_SIZES)
        SendMessageA(Item(IDC_CAMERA_SIZE), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(size));
    CheckDlgButton(Handle(), IDC_CAMERA_IMAGE, (m_nCopyFlags & 1) ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(Handle(), IDC_CAMERA_COLOR_CHECK,
                   (m_nCopyFlags & 2) ? BST_CHECKED : BST_UNCHECKED);

    // The viewing area starts right of the control column and below the Copy button.
    RECT window = {}, client = {};
    GetWindowRect(Handle(), &window);
    GetClientRect(Handle(), &client);
    m_metrics.cxPanel = ChildRect(Handle(), Item(IDC_CAMERA_COLOR)).right + PANEL_GAP;
    m_metrics.cyPanel = ChildRect(Handle(), Item(IDC_CAMERA_COPY)).bottom + PANEL_GAP;
    // The viewing area's border, as the system draws it.
    RECT viewWindow = {}, viewClient = {};
    GetWindowRect(Item(IDC_CAMERA_VIEW), &viewWindow);
    GetClientRect(Item(IDC_CAMERA_VIEW), &viewClient);
    m_metrics.cxBorder = ((viewWindow.right - viewWindow.left) - viewClient.right) / 2;
    m_metrics.cyBorder = ((viewWindow.bottom - viewWindow.top) - viewClient.bottom) / 2;
    m_metrics.ncWidth = (window.right - window.left) - client.right;
    m_metrics.ncHeight = (window.bottom - window.top) - client.bottom;

    const PixelRect screen = PrimaryScreen();
    if (m_rect.right <= m_rect.left || m_rect.bottom <= m_rect.top)
        m_rect = DefaultCameraRect(screen.right, m_metrics);
    else // a place kept from a screen that is gone comes back into view
        m_rect = PlaceOnDesktop(m_rect, {VirtualScreen()});
    m_laidOut = true;
    MoveWindow(Handle(), m_rect.left, m_rect.top, m_rect.right - m_rect.left,
               m_rect.bottom - m_rect.top, TRUE);
    Layout(true);
    AddTips();
    // Arrow presses from before the Camera opened (the keys that chose it in a menu) must not
    // move the pointer: the first tick would take them for its own.
    for (int vk : {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN})
        GetAsyncKeyState(vk);
    SetTimer(Handle(), TIMER_FOLLOW, FOLLOW_MS, nullptr);
    return TRUE;
}

void CCamera::SetTexts() {
    const HFONT font = reinterpret_cast<HFONT>(m_service.m_font);
    const struct {
        int control;
        unsigned text;
    } texts[] = {{IDC_CAMERA_SIZE_LABEL, IDC_CAMERA_SIZE_LABEL},
                 {IDC_CAMERA_POSITION_LABEL, IDC_CAMERA_POSITION_LABEL},
                 {IDC_CAMERA_COLOR_LABEL, IDC_CAMERA_COLOR_LABEL},
                 {IDC_CAMERA_COPY, IDS_CAMERA_COPY},
                 {IDC_CAMERA_IMAGE, IDS_CAMERA_IMAGE},
                 {IDC_CAMERA_COLOR_CHECK, IDS_CAMERA_COLOR}};
    for (const auto& t : texts) {
        SetDlgItemTextA(Handle(), t.control, LoadUiString(t.text).c_str());
        if (font)
            SendMessageA(Item(t.control), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
}

void CCamera::AddTips() {
    m_tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(),
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!m_tips)
        return;
    SendMessageA(m_tips, TTM_SETMAXTIPWIDTH, 0, TIP_WIDTH);
    for (int id : {IDC_CAMERA_SIZE, IDC_CAMERA_POSITION, IDC_CAMERA_COLOR, IDC_CAMERA_IMAGE,
                   IDC_CAMERA_COLOR_CHECK, IDC_CAMERA_COPY}) {
        std::string text = LoadUiString(static_cast<unsigned>(id));
        if (text.empty())
            continue;
        TOOLINFOA tool = {};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = Handle();
        tool.uId = reinterpret_cast<UINT_PTR>(Item(id));
        tool.lpszText = &text[0]; // copied by the control
        SendMessageA(m_tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void CCamera::Layout(bool writeSizeText) {
    RECT client = {};
    GetClientRect(Handle(), &client);
    MoveWindow(Item(IDC_CAMERA_VIEW), m_metrics.cxPanel, m_metrics.cyPanel,
               std::max<LONG>(client.right - m_metrics.cxPanel, 0),
               std::max<LONG>(client.bottom - m_metrics.cyPanel, 0), TRUE);
    if (!writeSizeText)
        return;
    const PixelSize shown = ShownSize({client.right, client.bottom}, m_metrics);
    const std::string text = std::to_string(shown.cx) + "x" + std::to_string(shown.cy);
    SetDlgItemTextA(Handle(), IDC_CAMERA_SIZE, text.c_str());
}

void CCamera::OnSizeChoice(bool fromList) {
    HWND box = Item(IDC_CAMERA_SIZE);
    std::string text;
    if (fromList) {
        const LRESULT index = SendMessageA(box, CB_GETCURSEL, 0, 0);
        const LRESULT length = SendMessageA(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
        if (index < 0 || length < 0)
            return;
        text.assign(static_cast<size_t>(length) + 1, '\0');
        SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<size_t>(length));
    } else {
        text = WindowText(box);
    }
    PixelSize size;
    if (!ReadCameraSize(text, size))
        return;
    RECT window = {};
    GetWindowRect(Handle(), &window);
    const PixelRect r =
        CameraRectForSize(window.left, window.top, size, PrimaryScreen(), m_metrics);
    m_sizeChosen = true;
    MoveWindow(Handle(), r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    m_sizeChosen = false;
    Layout(false);
}

void CCamera::OnTick() {
    POINT at = {};
    GetCursorPos(&at);
    // Each press of an arrow key since the last tick moves the pointer by one pixel.
    const struct {
        int vk, dx, dy;
    } arrows[] = {{VK_LEFT, -1, 0}, {VK_RIGHT, 1, 0}, {VK_UP, 0, -1}, {VK_DOWN, 0, 1}};
    for (const auto& a : arrows) {
        if (GetAsyncKeyState(a.vk) & 1) {
            at.x += a.dx;
            at.y += a.dy;
            SetCursorPos(at.x, at.y);
        }
    }
    m_ptMouse = at;
    RECT own = {};
    GetWindowRect(Handle(), &own);
    if (PtInRect(&own, at) || GetActiveWindow() != Handle())
        return;
    SetFocus(Item(IDC_CAMERA_POSITION));
    Capture(at);
}

void CCamera::Capture(POINT at) {
    RECT view = {};
    GetClientRect(Item(IDC_CAMERA_VIEW), &view);
    const CameraFragment f = FragmentAt({at.x, at.y}, {view.right, view.bottom}, VirtualScreen());
    m_pBitmap.Reset();
    m_fragment = {0, 0};
    if (f.size.cx <= 0 || f.size.cy <= 0)
        return;
    WindowDC screen(nullptr);
    UniqueMemoryDc dc(CreateCompatibleDC(screen.Get()));
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), f.size.cx, f.size.cy));
    if (!dc || !bitmap)
        return;
    COLORREF colour = 0;
    {
        SelectedObject selected(dc.Get(), bitmap.Get());
        PatBlt(dc.Get(), 0, 0, f.size.cx, f.size.cy, BLACKNESS);
        BitBlt(dc.Get(), 0, 0, f.source.right - f.source.left, f.source.bottom - f.source.top,
               screen.Get(), f.source.left, f.source.top, SRCCOPY);
        colour = GetPixel(dc.Get(), 0, 0);
    }
    m_pBitmap = std::move(bitmap);
    m_fragment = {f.size.cx, f.size.cy};
    InvalidateRect(Item(IDC_CAMERA_VIEW), nullptr, FALSE);
    const std::string position = std::to_string(at.x) + "," + std::to_string(at.y);
    SetDlgItemTextA(Handle(), IDC_CAMERA_POSITION, position.c_str());
    const std::string rgb = ColourText(GetRValue(colour), GetGValue(colour), GetBValue(colour));
    SetDlgItemTextA(Handle(), IDC_CAMERA_COLOR, rgb.c_str());
}

void CCamera::DrawFragment(const DRAWITEMSTRUCT& dis) const {
    FillRect(dis.hDC, &dis.rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (!m_pBitmap)
        return;
    UniqueMemoryDc source(CreateCompatibleDC(dis.hDC));
    if (!source)
        return;
    SelectedObject selected(source.Get(), m_pBitmap.Get());
    BitBlt(dis.hDC, 0, 0, m_fragment.cx, m_fragment.cy, source.Get(), 0, 0, SRCCOPY);
}

void CCamera::Copy() {
    if (!OpenClipboard(Handle()))
        return; // another program holds it: nothing is copied
    EmptyClipboard();
    m_nCopyFlags = 0;
    bool put = false;
    if (IsDlgButtonChecked(Handle(), IDC_CAMERA_COLOR_CHECK) == BST_CHECKED) {
        m_nCopyFlags |= 2;
        put = PutColour() || put;
    }
    if (IsDlgButtonChecked(Handle(), IDC_CAMERA_IMAGE) == BST_CHECKED) {
        m_nCopyFlags |= 1;
        put = PutImage() || put;
    }
    CloseClipboard();
    if (put)
        ++m_copies;
}

bool CCamera::PutColour() {
    const std::string text = ColourClipText(WindowText(Item(IDC_CAMERA_COLOR)));
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, COLOUR_BLOCK));
    {
        GlobalLocked locked(block.Get());
        if (!locked.Data() || text.size() >= COLOUR_BLOCK)
            return false;
        std::memcpy(locked.Data(), text.c_str(), text.size() + 1);
    }
    return PutBlock(CF_TEXT, std::move(block));
}

bool CCamera::PutImage() {
    if (!m_pBitmap)
        return false;
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = m_fragment.cx;
    header.biHeight = m_fragment.cy;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const size_t stride = (size_t(m_fragment.cx) * 3 + 3) / 4 * 4;
    header.biSizeImage = static_cast<DWORD>(stride * size_t(m_fragment.cy));
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT,
                                   sizeof header + header.biSizeImage));
    {
        GlobalLocked locked(block.Get());
        if (!locked.Data())
            return false;
        auto* info = static_cast<BITMAPINFO*>(locked.Data());
        info->bmiHeader = header;
        WindowDC screen(nullptr);
        if (!GetDIBits(screen.Get(), m_pBitmap.Get(), 0, static_cast<UINT>(m_fragment.cy),
                       static_cast<uint8_t*>(locked.Data()) + sizeof header, info, DIB_RGB_COLORS))
            return false;
    }
    return PutBlock(CF_DIB, std::move(block));
}

void CCamera::OnDestroy() {
    KillTimer(Handle(), TIMER_FOLLOW);
    RECT r = {};
    if (GetWindowRect(Handle(), &r))
        m_rect = {r.left, r.top, r.right, r.bottom};
    m_nCopyFlags = static_cast<uint16_t>(
        (IsDlgButtonChecked(Handle(), IDC_CAMERA_IMAGE) == BST_CHECKED ? 1 : 0) |
        (IsDlgButtonChecked(Handle(), IDC_CAMERA_COLOR_CHECK) == BST_CHECKED ? 2 : 0));
    m_pBitmap.Reset();
    m_laidOut = false;
    m_tips = nullptr; // owned by the dialog: gone with it
}
