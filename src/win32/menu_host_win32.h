#pragma once
// Menus on the screen for the service window: the main menu made from its model and the
// context menus of menu 128, tracked with the system's popup menus.
#include "documents_menus.h"
#include "menu_input_hook.h"
#include "platform/menu_host.h"
#include "preview_tip.h"
#include "window.h"

#include <functional>
#include <utility>

class Win32MenuHost final : public IMenuHost {
public:
    // A left click in a context menu; true takes the click from the menu.
    using ClickFilter = std::function<bool()>;

    // `serviceWindow` owns the menus; the documents popups and the tip live beside it.
    // `menuInput` sees the input of the menus while the main menu is tracked; `onClick` the
    // left clicks in a tracked context menu.
    Win32MenuHost(const CWindow& serviceWindow, const CDocumentsMenus& documents, CPreviewTip& tip,
                  CMenuInputHook::Filter menuInput, ClickFilter onClick)
        : m_window(serviceWindow), m_documents(documents), m_tip(tip),
          m_menuInput(std::move(menuInput)), m_onClick(std::move(onClick)) {}

    unsigned TrackMainMenu(CMainMenu& menu, int x, int y) override;
    unsigned TrackContextMenu(int index, bool paused, bool schedulerOn,
                              MenuHandle& tracked) override;
    void CancelMenus() override;
    void ApplyMarks(MenuHandle popup, const MenuMarks& marks) override;

private:
    const CWindow& m_window;
    const CDocumentsMenus& m_documents;
    CPreviewTip& m_tip;
    CMenuInputHook::Filter m_menuInput;
    ClickFilter m_onClick;
};
