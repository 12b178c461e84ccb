#include "fakes/fake_system.h"

#include "platform/win_constants.h"

std::string FakeKeyInput::Name(unsigned vk) {
    const std::map<unsigned, std::string> names = {
        {win::VK_SHIFT, "Shift"}, {win::VK_CONTROL, "Ctrl"},
        {win::VK_MENU, "Alt"},    {win::VK_INSERT, "Insert"},
        {win::VK_TAB, "Tab"},     {win::VK_RIGHT, "Right"},
        {win::VK_V, "V"}};
    auto it = names.find(vk);
    return it == names.end() ? std::to_string(vk) : it->second;
}
