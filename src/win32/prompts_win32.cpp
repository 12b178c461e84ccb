#include "prompts_win32.h"

#include "input_dlg.h"

HFONT Win32Prompts::MenuFont() const {
    return ServiceLives()
               ? reinterpret_cast<HFONT>(SendMessageA(m_service.Handle(), WM_GETFONT, 0, 0))
               : nullptr;
}

int Win32Prompts::ShowMessage(const std::string& text, const std::string& title, unsigned flags) {
    const int answer = MessageBoxA(nullptr, text.c_str(), title.c_str(), flags | MB_TOPMOST);
    return ServiceLives() ? answer : 0;
}

InputResult Win32Prompts::InputText(const std::string& prompt, std::string& text, bool* check) {
    CInputDlg dialog(check ? CInputDlg::TEXT_WITH_CHECK : CInputDlg::TEXT, prompt, MenuFont());
    dialog.m_strText = text;
    if (check)
        dialog.m_bCheck = *check;
    const INT_PTR result = dialog.DoModal(Owner());
    if (!ServiceLives())
        return InputResult::Closed;
    if (result != IDOK)
        return InputResult::Cancel;
    text = dialog.m_strText;
    if (check)
        *check = dialog.m_bCheck;
    return InputResult::Ok;
}

InputResult Win32Prompts::InputNumber(const std::string& prompt, int32_t& value) {
    CInputDlg dialog(CInputDlg::NUMBER, prompt, MenuFont());
    dialog.m_nValue = value;
    const INT_PTR result = dialog.DoModal(Owner());
    if (!ServiceLives())
        return InputResult::Closed;
    if (result != IDOK)
        return InputResult::Cancel;
    value = dialog.m_nValue;
    return InputResult::Ok;
}

InputResult Win32Prompts::InputHotKey(const std::string& prompt, uint16_t& hotKey) {
    CInputDlg dialog(CInputDlg::HOT_KEY, prompt, MenuFont());
    dialog.m_wHotKey = hotKey;
    const INT_PTR result = dialog.DoModal(Owner());
    if (!ServiceLives())
        return InputResult::Closed;
    if (result != IDOK)
        return InputResult::Cancel;
    hotKey = dialog.m_wHotKey;
    return InputResult::Ok;
}
