#pragma once
// The main menu and its context menus: opening, positioning, tracking through the menu
// host, the context menu's command, the highlight the drawing reports, and drags that
// rearrange the menu's items.
#include <cstdint>
#include <string>

#include "app/service_state.h"
#include "ui/preview_text.h"

class IMenuHost;
class IInputState;
class IServiceWindow;
class IRegistryLists;
class ICollectionStore;
class HotWindowKeeper;
class PasteTarget;

struct MenuTrackingPorts {
    IMenuHost& menus;
    IInputState& input;          // the pointer the main menu opens at
    IServiceWindow& window;      // the chosen entry, posted once the menus have closed
    IRegistryLists& systemLists; // typed addresses and documents for the extension submenus
    ICollectionStore& store;     // "Save and reload"
};

// How a drag out of the main menu ended.
struct MenuDrop {
    bool dropped = false;  // false: cancelled
    bool overMenu = false; // over a menu window: the drop rearranges the menu's items
    bool ctrlDown = false; // copy rather than move
};

class CMenuTracking {
public:
    CMenuTracking(const MenuTrackingPorts& ports, ServiceState& state, ICutHold& cuts,
                  PasteTarget& target, HotWindowKeeper& hotWnd, IBusyIndicator& busy,
                  IServiceCommands& commands)
        : m_ports(ports), m_state(state), m_cuts(cuts), m_target(target), m_hotWnd(hotWnd),
          m_busy(busy), m_commands(commands) {}

    // Command 32792: builds, shows and tracks the main menu, then posts the chosen entry.
    void OpenMainMenu();
    // Command 32794: the context menu of the highlighted entry (the application menu when
    // none is highlighted), and then its command. A context menu still tracked closes first.
    void OpenContextMenu();
    // Opens the main menu again where it was last shown (after a dialog).
    void ReopenMainMenu();
    // Command 32793: writes every collection and reads them back.
    void SaveAndReload();
    // WM_MENUCHAR in a menu of `itemCount` entries: the answer for the system.
    intptr_t OnMenuChar(unsigned ch, int itemCount);
    // WM_MENUSELECT: remembers the entry under the pointer of a tracked context menu.
    void OnMenuSelect(unsigned id, MenuHandle menu);
    // The end of a drag of `dragged` out of the main menu: a drop on the menu's own entries
    // moves or copies the item there. True when the collections changed.
    bool FinishMenuDrag(CClipItem* dragged, const MenuDrop& drop);
    // The open menus' highlight, for the tip beside them.
    MenuHighlight Highlight() const;

private:
    void ShowMainMenu();
    void RunContextCommand(unsigned command, int32_t entryId, CClipItem* item,
                           const std::string& path);
    // Deletes the temporary files left behind, but not those of edits under way.
    void DeleteUnusedTempFiles();

    MenuTrackingPorts m_ports;
    ServiceState& m_state;
    ICutHold& m_cuts;
    PasteTarget& m_target;
    HotWindowKeeper& m_hotWnd;
    IBusyIndicator& m_busy;
    IServiceCommands& m_commands;
};
