#pragma once
// The hidden service window: a child of the main frame (control id 1) that hosts the
// portable service and forwards the messages that drive it.
#include "app/item_edits.h"
#include "app/service_wnd.h"
#include "camera.h"
#include "documents_menus.h"
#include "handles.h"
#include "hot_windows_win32.h"
#include "menu_host_win32.h"
#include "platform/about_box.h"
#include "platform/service_window.h"
#include "port/clipboard_win32.h"
#include "port/clock_win32.h"
#include "port/document_shell_win32.h"
#include "port/editor_processes_win32.h"
#include "port/system_win32.h"
#include "port/picture_decoder_win32.h"
#include "port/registry_win32.h"
#include "port/registry_lists_win32.h"
#include "port/target_window_win32.h"
#include "port/tray_icon_win32.h"
#include "port/viewer_chain_win32.h"
#include "preview_tip.h"
#include "prompts_win32.h"
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
    IIniFile& settings;
};

class CServiceHost final : public CWindow, public IServiceWindow, public IAboutBox {
public:
    explicit CServiceHost(const HostPorts& ports);
    ~CServiceHost() override;

    // Creates the window inside `frame` and starts the service in it.
    bool Create(HWND frame);
    CServiceWnd& Service() { return m_service; }
    // The players whose status the hot window shows; before Create.
    void SetPlayers(CPlayerHost* players) { m_hotWindows.SetPlayers(players); }

    // IServiceWindow
    WindowHandle CreateServiceWindow(WindowHandle parent) override;
    FontHandle CreateMenuFont() override;
    FontHandle ChooseMenuFont() override;
    void DestroyParent() override;
    void SendCommand(uintptr_t wParam, intptr_t lParam) override;
    void PostCommand(uintptr_t wParam, intptr_t lParam) override;

    // IAboutBox: the About box, owned by the frame.
    void Show(uint32_t pasteCount) override;

    // The documents popups, built once the frame exists and freed when it goes.
    void BuildDocumentsMenus();
    void FreeDocumentsMenus();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // The messages of open menus (service_host_menus.cpp); false for any other message.
    bool HandleMenuMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT OnMenuDrag();
    // A message of the menu loop while the main menu is tracked: a right button released
    // over an entry, the context-menu key or Shift+F10 asks for the entry's context menu.
    // True when the menus are not to see the message.
    bool OnMenuInput(const MSG& msg);
    // The context menu asked for by OnMenuInput, unless WM_MENURBUTTONUP opened it already.
    void OpenPendingContextMenu();
    // A popup of a tracked context menu opens: its marks (the Preferences submenu).
    void OnInitMenuPopup(HMENU popup);

    IIniFile& m_settings;
    Win32Registry m_registry; // the font setting's copy in the registry
    UniqueFont m_font;        // before m_service: the service's m_font points at it
    // The system's side of capture, hot keys, timers and the taskbar icon; before m_service,
    // which uses them from its first to its last moment.
    Win32Clipboard m_clipboard;
    Win32ViewerChain m_viewers;
    Win32Clock m_clock;
    Win32Sound m_sound;
    Win32HotKeys m_hotKeys;
    Win32Timers m_timers;
    Win32TrayIcon m_tray;
    Win32InputState m_input;
    Win32KeyInput m_keys;
    Win32TargetWindow m_targets;
    Win32PictureDecoder m_pictures;
    // The menus: the extension submenus' system lists, the documents popups, the tip.
    Win32RegistryLists m_systemLists;
    Win32DocumentShell m_documents;
    CDocumentsMenus m_documentsMenus;
    CPreviewTip m_tip;
    Win32MenuHost m_menus{*this, m_documentsMenus, m_tip,
                          [this](const MSG& msg) { return OnMenuInput(msg); },
                          [this] { return m_service.TogglePreferenceInPlace(); }};
    // A context menu asked for from the menus' input, to open once the menu loop has done
    // with the message; WM_MENURBUTTONUP, where the system sends it, takes over instead.
    bool m_bContextMenuPending = false;
    Win32Prompts m_prompts{*this};
    // The hot window and the Camera work for the service (bound to it before it exists).
    Win32HotWindows m_hotWindows{m_service, m_documentsMenus, m_systemLists};
    CCamera m_camera{m_service};
    // Items open in their editors; the service takes back what they wrote until its end.
    Win32EditorProcesses m_editors;
    Win32Registry m_classes;
    CItemEdits m_edits{m_editors, m_classes};
    // Sent to every top-level window when the taskbar starts (again, after a crash).
    const UINT m_msgTaskbarCreated;
    CServiceWnd m_service;
};
