#pragma once
// The main frame: a top-level window titled with the product name that is never shown.
// A second copy of the program finds the first by its title and sends it commands; the
// frame also hears when the session ends.
#include "player_host.h"
#include "service_host.h"
#include "window.h"

class CMainFrame final : public CWindow {
public:
    explicit CMainFrame(const HostPorts& ports);
    ~CMainFrame() override;

    // Creates the hidden frame and, inside it, the service window. False when either fails.
    bool LoadFrame();
    CServiceWnd& Service() { return m_wndService.Service(); }
    CPlayerHost& Players() { return m_players; }
    IServiceWindow& ServiceWindow() { return m_wndService; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnCreate();
    void OnDestroy();
    void OnNcDestroy();
    LRESULT OnQueryEndSession();
    void OnEndSession(bool ending);
    void OnClose();
    bool OnCommand(unsigned id);

    // Before the service: the service holds the scheduler, which it uses to its end.
    CPlayerHost m_players;
    CServiceHost m_wndService;
    // The documents popups live with the service window's menus (CServiceHost), built at
    // the frame's creation and freed when it goes.
};
