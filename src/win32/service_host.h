#pragma once
// The hidden service window: a child of the main frame (control id 1) that hosts the
// portable service and forwards the messages that drive it.
#include "app/service_wnd.h"
#include "platform/service_window.h"
#include "window.h"

class IFocus;
class IMessageBox;
class IInstallation;
class ICollectionStore;
class IInterfaceResources;

// The ports the service uses besides its own window.
struct HostPorts {
    IFocus& focus;
    IMessageBox& messages;
    IInstallation& installation;
    ICollectionStore& store;
    IInterfaceResources& resources;
};

class CServiceHost final : public CWindow, public IServiceWindow {
public:
    explicit CServiceHost(const HostPorts& ports);
    ~CServiceHost() override;

    // Creates the window inside `frame` and starts the service in it.
    bool Create(HWND frame);
    CServiceWnd& Service() { return m_service; }

    // IServiceWindow
    WindowHandle CreateServiceWindow(WindowHandle parent) override;
    void DestroyParent() override;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    CServiceWnd m_service;
};
