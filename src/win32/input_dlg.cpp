#include "input_dlg.h"

#include <commctrl.h>

#include <cerrno>
#include <cstdlib>

#include "platform/ui_strings.h"
#include "resource.h"

namespace {
std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0)
        return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, &text[0], length + 1)));
    return text;
}
} // namespace

int32_t ParseSignedNumber(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(begin, &end, 10);
    while (end && (*end == ' ' || *end == '\t'))
        ++end;
    if (end == begin || !end || *end != '\0' || errno == ERANGE || value > INT32_MAX ||
        value < INT32_MIN)
        return 0;
    return static_cast<int32_t>(value);
}

void CInputDlg::OnInitDialog() {
    const HWND self = Handle();
    SetDlgItemTextA(self, IDOK, LoadUiString(IDS_OK).c_str());
    SetDlgItemTextA(self, IDCANCEL, LoadUiString(IDS_CANCEL).c_str());
    SetDlgItemTextA(self, IDC_INPUT_PROMPT, m_strPrompt.c_str());
    for (int id : {IDOK, IDCANCEL, IDC_INPUT_PROMPT, IDC_INPUT_CHECK, IDC_INPUT_EDIT})
        if (m_font)
            SendDlgItemMessageA(self, id, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);

    const HWND edit = GetDlgItem(self, IDC_INPUT_EDIT);
    const HWND hotKey = GetDlgItem(self, IDC_INPUT_HOTKEY);
    SendMessageA(hotKey, HKM_SETHOTKEY, m_wHotKey, 0);
    if (m_nMode == NUMBER)
        SetWindowTextA(edit, std::to_string(m_nValue).c_str());
    else
        SetWindowTextA(edit, m_strText.c_str());
    if (m_nMode == TEXT_WITH_CHECK) {
        SetDlgItemTextA(self, IDC_INPUT_CHECK, LoadUiString(IDS_COPY_ACTIVE).c_str());
        CheckDlgButton(self, IDC_INPUT_CHECK, m_bCheck ? BST_CHECKED : BST_UNCHECKED);
        ShowWindow(GetDlgItem(self, IDC_INPUT_CHECK), SW_SHOW);
    }
    const HWND input = m_nMode == HOT_KEY ? hotKey : edit;
    ShowWindow(m_nMode == HOT_KEY ? edit : hotKey, SW_HIDE);
    ShowWindow(input, SW_SHOW);
    // In the middle of the screen: the frame that owns it is never shown.
    RECT rect = {};
    GetWindowRect(self, &rect);
    SetWindowPos(self, nullptr, (GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The program has no window of its own in front: the dialog takes the foreground.
    SetForegroundWindow(self);
    SetFocus(input);
    if (input == edit)
        SendMessageA(edit, EM_SETSEL, 0, -1);
}

void CInputDlg::SaveAnswers() {
    const HWND self = Handle();
    m_strText = WindowText(GetDlgItem(self, IDC_INPUT_EDIT));
    m_nValue = ParseSignedNumber(m_strText);
    m_wHotKey =
        static_cast<uint16_t>(SendDlgItemMessageA(self, IDC_INPUT_HOTKEY, HKM_GETHOTKEY, 0, 0));
    m_bCheck = IsDlgButtonChecked(self, IDC_INPUT_CHECK) == BST_CHECKED;
}

LRESULT CInputDlg::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        OnInitDialog();
        return FALSE; // the focus is set
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            SaveAnswers();
            EndDialog(Handle(), IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(Handle(), IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return DefaultProc(msg, wParam, lParam);
    }
}
