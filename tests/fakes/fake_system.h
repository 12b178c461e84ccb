#pragma once
// The system's small services as fakes: what they were asked, and the answers a test sets.
#include <deque>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "fakes/call_log.h"
#include "platform/system.h"

class FakeSound final : public ISound {
public:
    std::vector<uint32_t> beeps;
    void MessageBeep(uint32_t type) override { beeps.push_back(type); }
};

class FakeScreen final : public IScreen {
public:
    ScreenSize size{800, 600};
    ScreenSize Size() const override { return size; }
};

class FakeLastError final : public ILastError {
public:
    unsigned Get() const override { return code; }
    void Set(unsigned c) override { code = c; }
    unsigned code = 0;
};

// Records every box shown and answers with the scripted buttons, then with `otherwise`.
class FakeMessageBox final : public IMessageBox {
public:
    struct Shown {
        std::string text;
        std::string caption;
        unsigned flags;
    };
    std::vector<Shown> shown;
    std::deque<int> answers;
    int otherwise = 0;

    int Show(const std::string& text, const std::string& caption, unsigned flags) override {
        shown.push_back({text, caption, flags});
        if (answers.empty())
            return otherwise;
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
};

// Hot keys of one window. Combinations in `takenByOthers` are refused, as are combinations
// this window holds under another id.
class FakeHotKeys final : public IHotKeys {
public:
    using Combo = std::pair<unsigned, unsigned>; // modifiers, virtual key
    std::set<Combo> takenByOthers;
    std::map<int, Combo> registered; // by id
    std::vector<Combo> attempts;     // every Register, in order

    bool Register(WindowHandle, int id, unsigned modifiers, unsigned vk) override {
        const Combo combo{modifiers, vk};
        attempts.push_back(combo);
        if (takenByOthers.count(combo))
            return false;
        for (const auto& held : registered)
            if (held.first != id && held.second == combo)
                return false;
        registered[id] = combo;
        return true;
    }
    void Unregister(WindowHandle, int id) override { registered.erase(id); }
};

// The running timers of the service window and their periods.
class FakeTimers final : public ITimers {
public:
    std::map<uintptr_t, unsigned> running;

    bool Set(WindowHandle, uintptr_t id, unsigned periodMs) override {
        running[id] = periodMs;
        return true;
    }
    void Kill(WindowHandle, uintptr_t id) override { running.erase(id); }
    bool Runs(uintptr_t id) const { return running.count(id) != 0; }
};

class FakeInputState final : public IInputState {
public:
    ScreenPoint cursor{300, 300};
    std::set<unsigned> keysDown;

    ScreenPoint CursorPos() const override { return cursor; }
    bool IsKeyDown(unsigned vk) const override { return keysDown.count(vk) != 0; }
};

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
