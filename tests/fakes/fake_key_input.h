#pragma once
#include <set>
#include <string>
#include <vector>

#include "fakes/call_log.h"
#include "platform/key_input.h"
#include "platform/win_constants.h"

// Synthesised keys as readable events ("down Shift", "up Insert"), in the shared log when
// one is given so that their order against other calls shows.
class FakeKeyInput final : public IKeyInput {
public:
    explicit FakeKeyInput(CallLog* shared = nullptr) : m_shared(shared) {}

    std::vector<std::string> events;
    std::set<unsigned> toggled;

    void KeyDown(unsigned vk) override { Add("down " + Name(vk)); }
    void KeyUp(unsigned vk) override { Add("up " + Name(vk)); }
    bool IsToggled(unsigned vk) const override { return toggled.count(vk) != 0; }

    static std::string Name(unsigned vk) {
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

private:
    void Add(const std::string& event) {
        events.push_back(event);
        if (m_shared)
            m_shared->Add(event);
    }
    CallLog* m_shared;
};
