#pragma once
#include "platform/message_box.h"

class Win32MessageBox final : public IMessageBox {
public:
    int Show(const std::string& text, const std::string& caption, unsigned flags) override;
};
