#pragma once
// Questions put to the user: message boxes and the input dialog for a name.
// The Windows implementation also keeps the service busy while a box is open.
#include <cstdint>
#include <string>

enum class InputResult {
    Ok,
    Cancel,
    Closed, // the program was closed while the dialog was open: do nothing more
};

class IPrompts {
public:
    virtual ~IPrompts() = default;
    // A message box without owner; `flags` are MB_ values. Returns the button pressed
    // (IDYES, IDNO, ...), or 0 when the program was closed while the box was open.
    virtual int ShowMessage(const std::string& text, const std::string& title, unsigned flags) = 0;
    // The input dialog in text mode: shows `prompt` and `text`; with `check` it also shows
    // the "Copy active collection" check box, set from and read back into *check.
    // On Ok `text` holds what was entered.
    virtual InputResult InputText(const std::string& prompt, std::string& text, bool* check) = 0;
    // Number mode: the edit shows `value` as a signed decimal number; on Ok it holds what was
    // typed, 0 when that is no number.
    virtual InputResult InputNumber(const std::string& prompt, int32_t& value) = 0;
    // Hot-key mode: the hot-key control shows and returns (modifiers << 8) | virtual key,
    // modifiers as the control has them (1 Shift, 2 Ctrl, 4 Alt, 8 extended).
    virtual InputResult InputHotKey(const std::string& prompt, uint16_t& hotKey) = 0;
};
