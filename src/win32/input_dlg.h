#pragma once
// The input dialog (IDD_INPUT): a name, a name with the "Copy active collection" check box,
// a number, or a hot key.
#include <cstdint>
#include <string>

#include "window.h"

class CInputDlg final : public CWindow {
public:
    enum Mode { TEXT = 0, TEXT_WITH_CHECK = 1, NUMBER = 2, HOT_KEY = 3 };

    CInputDlg(Mode mode, std::string prompt, HFONT font)
        : m_nMode(mode), m_strPrompt(std::move(prompt)), m_font(font) {}

    // IDOK or IDCANCEL; -1 when the dialog could not be made. The members hold the answer
    // after IDOK.
    INT_PTR DoModal(HWND owner) { return RunModalDialog(IDD_INPUT_TEMPLATE, owner); }

    int32_t m_nValue = 0;
    uint16_t m_wHotKey = 0; // virtual key in the low byte, HOTKEYF_ flags in the high byte
    bool m_bCheck = true;
    std::string m_strText;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    static constexpr UINT IDD_INPUT_TEMPLATE = 101;
    void OnInitDialog();
    void SaveAnswers();

    Mode m_nMode;
    std::string m_strPrompt;
    HFONT m_font;
};

// What the edit field says as a signed decimal number; 0 when it is no number.
int32_t ParseSignedNumber(const std::string& text);
