#pragma once
// Menus that are "shown" by calling back into the test: it may report highlights (as the
// drawing would) and choose an id or a command.
#include <functional>
#include <utility>
#include <vector>

#include "platform/menu_host.h"
#include "ui/main_menu.h"

class FakeMenuHost final : public IMenuHost {
public:
    struct Shown {
        int x, y;
        size_t entries;
    };
    struct Context {
        int index;
        bool paused, schedulerOn;
    };

    unsigned TrackMainMenu(CMainMenu& menu, int x, int y) override {
        shown.push_back({x, y, menu.Model().entries.size()});
        menu.m_hMenu = MenuHandle{0xAA};
        const unsigned id = onMainMenu ? onMainMenu(menu) : 0;
        menu.m_hMenu = NO_MENU;
        return id;
    }
    unsigned TrackContextMenu(int index, bool paused, bool schedulerOn,
                              MenuHandle& tracked) override {
        contexts.push_back({index, paused, schedulerOn});
        tracked = MenuHandle{0xCC};
        const unsigned command = onContextMenu ? onContextMenu(index) : 0;
        tracked = NO_MENU;
        return command;
    }
    void CancelMenus() override { ++cancels; }
    void ApplyMarks(MenuHandle, const MenuMarks&) override {}

    std::function<unsigned(CMainMenu&)> onMainMenu;
    std::function<unsigned(int)> onContextMenu;
    std::vector<Shown> shown;
    std::vector<Context> contexts;
    int cancels = 0;
};
