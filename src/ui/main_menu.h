#pragma once
// The main menu while it is open: its model, and the popup the system shows for it.
#include "platform/handles.h"
#include "ui/menu_model.h"

class CMainMenu {
public:
    explicit CMainMenu(MenuModel model) : m_model(std::move(model)) {}
    const MenuModel& Model() const { return m_model; }
    // The popup while it is shown (0 before and after).
    MenuHandle m_hMenu = NO_MENU;

private:
    MenuModel m_model;
};
