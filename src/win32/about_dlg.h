#pragma once
// The About box: the product, its version, what the pastes have saved, and the banner that
// opens the home page. A right click in the box (or the context-menu key) lists the formats
// on the clipboard at that moment.
#include <windows.h>

#include <cstdint>

class IDocumentShell;

class CAboutDlg {
public:
    CAboutDlg(uint32_t pasteCount, IDocumentShell& shell);
    ~CAboutDlg();
    CAboutDlg(const CAboutDlg&) = delete;
    CAboutDlg& operator=(const CAboutDlg&) = delete;

    void DoModal(HWND owner);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void OnInitDialog();
    void ShowBanner();
    void AddBannerTip();
    void ListClipboardFormats();

    uint32_t m_pasteCount;
    IDocumentShell& m_shell;
    HWND m_hWnd = nullptr;
    HFONT m_titleFont = nullptr;
    HBITMAP m_banner = nullptr;
};
