#include "fakes/fake_system.h"

#include "platform/win_constants.h"

std::string FakeKeyInput::Name(unsigned vk) {
    switch (vk) {
    case win::VK_SHIFT:
        return "Shift";
    case win::VK_CONTROL:
        return "Ctrl";
    case win::VK_MENU:
        return "Alt";
    case win::VK_INSERT:
        return "Insert";
    case win::VK_TAB:
        return "Tab";
    case win::VK_RIGHT:
        return "Right";
    case win::VK_V:
        return "V";
    default:
        return std::to_string(vk);
    }
}
