#pragma once
// Questions put to the user: message boxes and the input dialog for a name.
// The Windows implementation also keeps the service busy while a box is open.
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
};
