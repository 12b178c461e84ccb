#pragma once
// The hidden service window: a child of the main frame (control id 1) that hosts the
// portable service and forwards the messages that drive it.
#include "app/service_wnd.h"
#include "handles.h"
#include "platform/service_window.h"
#include "window.h"

class IFocus;
class IMessageBox;
class IInstallation;
class ICollectionStore;
class ILanguageLoader;
class IIniFile;

// The ports the service uses besides its own window, and the settings file of the font.
struct HostPorts {
    IFocus& focus;
    IMessageBox& messages;
    IInstallation& installation;
    ICollectionStore& store;
    ILanguageLoader& languages;
    const IIniFile& settings;
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
    FontHandle CreateMenuFont() override;
    void DestroyParent() override;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    const IIniFile& m_settings;
    UniqueFont m_font; // before m_service: the service's m_font points at it
    CServiceWnd m_service;
};
