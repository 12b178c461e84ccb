#include "about_dlg.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/ui_strings.h"
#include "resource.h"
#include "store/installation.h"
#include "store/placeholders.h"
#include "ui/about_texts.h"
#include "ui/openers.h"

namespace {

void SetText(HWND dialog, int id, const std::string& text) {
    SetDlgItemTextA(dialog, id, text.c_str());
}

// The formats on the clipboard, in the order the system gives them; false when the
// clipboard cannot be opened.
bool ReadClipboardFormats(HWND owner, std::vector<ClipboardFormatEntry>& formats) {
    if (!OpenClipboard(owner))
        return false;
    for (UINT format = EnumClipboardFormats(0); format != 0;
         format = EnumClipboardFormats(format)) {
        ClipboardFormatEntry entry;
        entry.number = format;
        std::string name(256, '\0');
        const int n = GetClipboardFormatNameA(format, &name[0], static_cast<int>(name.size()));
        entry.registeredName = name.substr(0, n > 0 ? static_cast<size_t>(n) : 0);
        formats.push_back(entry);
    }
    CloseClipboard();
    return true;
}

} // namespace

CAboutDlg::CAboutDlg(uint32_t pasteCount, IDocumentShell& shell)
    : m_pasteCount(pasteCount), m_shell(shell) {}

CAboutDlg::~CAboutDlg() {
    if (m_titleFont)
        DeleteObject(m_titleFont);
    if (m_banner)
        DeleteObject(m_banner);
}

void CAboutDlg::DoModal(HWND owner) {
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUT), owner, DialogProc,
                    reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CAboutDlg::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        reinterpret_cast<CAboutDlg*>(lParam)->m_hWnd = hwnd;
    }
    auto* self = reinterpret_cast<CAboutDlg*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self)
        return FALSE;
    try {
        return self->HandleMessage(msg, wParam, lParam);
    } catch (...) {
        return FALSE; // nothing leaves a window procedure
    }
}

INT_PTR CAboutDlg::HandleMessage(UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG:
        OnInitDialog();
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_ABOUT_BANNER && HIWORD(wParam) == STN_CLICKED)
            OpenTypedUrl(PRODUCT_HOME_PAGE, m_shell);
        else if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            EndDialog(m_hWnd, LOWORD(wParam));
        return TRUE;
    case WM_CONTEXTMENU: // a right click anywhere in the box, or the context-menu key
        ListClipboardFormats();
        return TRUE;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) != GetDlgItem(m_hWnd, IDC_ABOUT_BANNER))
            return FALSE;
        SetCursor(LoadCursor(nullptr, IDC_HAND)); // the banner is a link
        SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, TRUE);
        return TRUE;
    default:
        return FALSE;
    }
}

void CAboutDlg::OnInitDialog() {
    const std::string product = LoadUiString(IDR_MAINFRAME);
    SetWindowTextA(m_hWnd, product.c_str());
    HDC dc = GetDC(m_hWnd);
    const int height = -MulDiv(12, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(m_hWnd, dc);
    m_titleFont = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              DEFAULT_PITCH | FF_SWISS, "Arial");
    SendDlgItemMessageA(m_hWnd, IDC_ABOUT_TITLE, WM_SETFONT, reinterpret_cast<WPARAM>(m_titleFont),
                        FALSE);
    SetText(m_hWnd, IDC_ABOUT_TITLE, product);
    SetText(m_hWnd, IDC_ABOUT_VERSION,
            FillPlaceholders(LoadUiString(IDS_VERSION_LINE), {LoadUiString(IDS_VERSION)}));
    SetText(m_hWnd, IDC_ABOUT_SAVINGS, SavingsLine(LoadUiString(IDS_SAVINGS), m_pasteCount));
    SetText(m_hWnd, IDOK, LoadUiString(IDS_OK));

    // In the middle of the screen's work area, above every other window.
    RECT rect = {};
    GetWindowRect(m_hWnd, &rect);
    const int x = (GetSystemMetrics(SM_CXFULLSCREEN) - (rect.right - rect.left)) / 2;
    const int y = (GetSystemMetrics(SM_CYFULLSCREEN) - (rect.bottom - rect.top)) / 2;
    SetWindowPos(m_hWnd, HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);

    ShowBanner();
    AddBannerTip();
}

void CAboutDlg::ShowBanner() {
    m_banner =
        static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BANNER),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    DIBSECTION dib = {};
    if (!m_banner || GetObjectA(m_banner, sizeof dib, &dib) != sizeof dib ||
        dib.dsBm.bmBitsPixel != 24 || !dib.dsBm.bmBits)
        return;
    // The banner's magenta background takes the box's own colour.
    const COLORREF face = GetSysColor(COLOR_3DFACE);
    auto* bits = static_cast<BYTE*>(dib.dsBm.bmBits);
    for (LONG row = 0; row < dib.dsBm.bmHeight; ++row) {
        BYTE* p = bits + row * dib.dsBm.bmWidthBytes;
        for (LONG col = 0; col < dib.dsBm.bmWidth; ++col, p += 3) {
            if (p[0] == 255 && p[1] == 0 && p[2] == 255) {
                p[0] = GetBValue(face);
                p[1] = GetGValue(face);
                p[2] = GetRValue(face);
            }
        }
    }
    SendDlgItemMessageA(m_hWnd, IDC_ABOUT_BANNER, STM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(m_banner));
}

void CAboutDlg::AddBannerTip() {
    HWND tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    std::string tip = LoadUiString(IDS_WEB_WELCOME);
    if (!tips || tip.empty())
        return;
    SendMessageA(tips, TTM_SETMAXTIPWIDTH, 0, 200);
    TOOLINFOA info = {};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS | TTF_CENTERTIP;
    info.hwnd = m_hWnd;
    info.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(m_hWnd, IDC_ABOUT_BANNER));
    info.lpszText = &tip[0];
    SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void CAboutDlg::ListClipboardFormats() {
    std::vector<ClipboardFormatEntry> formats;
    const std::string text = ReadClipboardFormats(m_hWnd, formats)
                                 ? ClipboardFormatListing(formats)
                                 : LoadUiString(IDS_CLIPBOARD_CANNOT_OPEN);
    MessageBoxA(m_hWnd, text.c_str(), LoadUiString(IDS_CLIPBOARD_FORMATS_CAPTION).c_str(),
                MB_ICONINFORMATION | MB_TOPMOST);
}
