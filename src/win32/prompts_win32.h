#pragma once
// Questions of the commands: message boxes and the input dialog, shown while the service
// window lives. A dialog still open when the program closes answers Closed.
#include <windows.h>

#include "platform/prompts.h"
#include "window.h"

class Win32Prompts final : public IPrompts {
public:
    // `service` is the service window: its frame owns the dialogs, its font is theirs.
    explicit Win32Prompts(const CWindow& service) : m_service(service) {}

    int ShowMessage(const std::string& text, const std::string& title, unsigned flags) override;
    InputResult InputText(const std::string& prompt, std::string& text, bool* check) override;
    InputResult InputNumber(const std::string& prompt, int32_t& value) override;
    InputResult InputHotKey(const std::string& prompt, uint16_t& hotKey) override;

private:
    bool ServiceLives() const { return m_service.Handle() && IsWindow(m_service.Handle()); }
    HWND Owner() const { return ServiceLives() ? GetParent(m_service.Handle()) : nullptr; }
    HFONT MenuFont() const;

    const CWindow& m_service;
};
