#pragma once
// Makes the hot window of a style for the service (the IHotWindows port).
#include "platform/hot_window.h"

class CServiceWnd;
class CDocumentsMenus;
class CPlayerHost;
class IRegistryLists;

class Win32HotWindows final : public IHotWindows {
public:
    // `service`, `documents` and `systemLists` outlive every window made.
    Win32HotWindows(CServiceWnd& service, const CDocumentsMenus& documents,
                    IRegistryLists& systemLists)
        : m_service(service), m_documents(documents), m_systemLists(systemLists) {}
    std::unique_ptr<IHotWindow> Create(uint8_t style, int indicator) override;
    // The players whose status the windows show; none: nothing plays.
    void SetPlayers(CPlayerHost* players) { m_players = players; }

private:
    CServiceWnd& m_service;
    const CDocumentsMenus& m_documents;
    IRegistryLists& m_systemLists;
    CPlayerHost* m_players = nullptr;
};
