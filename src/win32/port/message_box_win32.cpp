#include "message_box_win32.h"

#include <windows.h>

int Win32MessageBox::Show(const std::string& text, const std::string& caption, unsigned flags) {
    // No owner: the program's windows are hidden, and the box must show on its own.
    return MessageBoxA(nullptr, text.c_str(), caption.c_str(), flags);
}
