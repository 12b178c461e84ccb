#pragma once
// The menus on the screen: the main menu and the context menus, tracked for the service
// window. Implemented in src/win32; tests use tests/fakes/fake_menu_host.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/handles.h"

class CMainMenu;

// Marks and texts to set in an open popup, by command id.
struct MenuMarks {
    struct Radio {
        unsigned first, last, on; // `on` outside first..last: no entry is marked
    };
    std::vector<std::pair<unsigned, bool>> checks;
    std::vector<Radio> radios;
    std::vector<std::pair<unsigned, bool>> enabled;
    std::vector<std::pair<unsigned, std::string>> texts;
    unsigned defaultId = 0; // drawn bold; 0 for none
};

class IMenuHost {
public:
    virtual ~IMenuHost() = default;
    // Shows the main menu at (x, y) for the service window, its entries draggable, and
    // tracks it until the user chooses or leaves; the menu and the preview tip are gone
    // when this returns. While it is shown, menu.m_hMenu is its popup. Returns the chosen
    // id, 0 for none.
    virtual unsigned TrackMainMenu(CMainMenu& menu, int x, int y) = 0;
    // Popup `index` of the context menus in the language in force, with the Preferences
    // popup attached, "Pause service" or "Continue service" and the scheduler's "Start" or
    // "Stop" left out as `paused` and `schedulerOn` say, tracked at the pointer. `tracked`
    // holds the popup while it is shown; the preview tip is gone when this returns. Returns
    // the chosen command, 0 for none.
    virtual unsigned TrackContextMenu(int index, bool paused, bool schedulerOn,
                                      MenuHandle& tracked) = 0;
    // WM_CANCELMODE sent to the service window: any open menu closes.
    virtual void CancelMenus() = 0;
    // Sets the marks in `popup`; when it is shown, its rows show them at once.
    virtual void ApplyMarks(MenuHandle popup, const MenuMarks& marks) = 0;
};
