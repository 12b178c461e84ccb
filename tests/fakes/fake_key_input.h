#pragma once
#include <set>
#include <string>
#include <vector>

#include "fakes/call_log.h"
#include "platform/key_input.h"

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

    // "Shift", "Ctrl", "Alt", "Insert", "Tab", "Right", "V", else the number.
    static std::string Name(unsigned vk);

private:
    void Add(const std::string& event) {
        events.push_back(event);
        if (m_shared)
            m_shared->Add(event);
    }
    CallLog* m_shared;
};
