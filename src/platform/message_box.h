#pragma once
// Modal message boxes without an owner window.
#include <string>

class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    // Shows `text` under `caption` with the MB_ flags given (win_constants.h) and returns the
    // button chosen (IDYES, IDNO, IDOK ...).
    virtual int Show(const std::string& text, const std::string& caption, unsigned flags) = 0;
};
