#pragma once
// Makes the hot window of a style for the service (the IHotWindows port).
#include "platform/hot_window.h"

class CServiceWnd;
class CDocumentsMenus;
class CPlayerHost;

class Win32HotWindows final : public IHotWindows {
public:
    // `service` and `documents` outlive every window made.
    Win32HotWindows(CServiceWnd& service, const CDocumentsMenus& documents)
        : m_service(service), m_documents(documents) {}
    std::unique_ptr<IHotWindow> Create(uint8_t style, int indicator) override;
    // The players whose status the windows show; none: nothing plays.
    void SetPlayers(CPlayerHost* players) { m_players = players; }

private:
    CServiceWnd& m_service;
    const CDocumentsMenus& m_documents;
    CPlayerHost* m_players = nullptr;
};
