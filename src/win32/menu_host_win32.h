#pragma once
// Menus on the screen for the service window: the main menu made from its model and the
// context menus of menu 128, tracked with the system's popup menus.
#include "documents_menus.h"
#include "menu_input_hook.h"
#include "platform/menu_host.h"
#include "preview_tip.h"
#include "window.h"

#include <utility>

class Win32MenuHost final : public IMenuHost {
public:
    // `serviceWindow` owns the menus; the documents popups and the tip live beside it.
    // `menuInput` sees the input of the menus while the main menu is tracked.
    Win32MenuHost(const CWindow& serviceWindow, const CDocumentsMenus& documents, CPreviewTip& tip,
                  CMenuInputHook::Filter menuInput)
        : m_window(serviceWindow), m_documents(documents), m_tip(tip),
          m_menuInput(std::move(menuInput)) {}

    unsigned TrackMainMenu(CMainMenu& menu, int x, int y) override;
    unsigned TrackContextMenu(int index, bool paused, bool schedulerOn,
                              MenuHandle& tracked) override;
    void CancelMenus() override;

private:
    const CWindow& m_window;
    const CDocumentsMenus& m_documents;
    CPreviewTip& m_tip;
    CMenuInputHook::Filter m_menuInput;
};
