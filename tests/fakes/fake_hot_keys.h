#pragma once
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "platform/hot_keys.h"

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
