#pragma once
#include "platform/hot_keys.h"

class Win32HotKeys final : public IHotKeys {
public:
    bool Register(WindowHandle window, int id, unsigned modifiers, unsigned vk) override;
    void Unregister(WindowHandle window, int id) override;
};
