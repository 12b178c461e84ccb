#pragma once
// The service: holder of everything the running program knows, from start-up to shutdown.
// The Win32 service window hosts it and forwards its messages to these handlers; the units
// of capture, menus, paste, commands, hot keys and preferences work on its members.
#include <cstdint>
#include <string>
#include <vector>

#include "app/capture.h"
#include "app/dispatch.h"
#include "app/hot_keys.h"
#include "app/paste.h"
#include "app/hot_window_keeper.h"
#include "app/menu_tracking.h"
#include "app/paste_target.h"
#include "app/service_timers.h"
#include "app/service_state.h"
#include "app/taskbar_icon.h"
#include "ui/preview_text.h"

class IServiceWindow;
class IFocus;
class IMessageBox;
class IPrompts;
class IInstallation;
class ICollectionStore;
class ILanguageLoader;
class IClipboard;
class IViewerChain;
class IClock;
class ISound;
class IHotKeys;
class ITimers;
class ITrayIcon;
class IKeyInput;
class ITargetWindow;
class ITargetMessages;
class IMenuHost;
class IRegistryLists;
class IDocumentShell;
class IPictureDecoder;
class IHotWindows;
class ICamera;
class IDataOffer;
struct ClipboardLook;
class CScheduler;
class IScheduleEditor;
class CItemEdits;
class IAboutBox;

// Every port of the program, for the service alone: it hands each of its units the few that
// unit uses. Every one must outlive the service.
struct ServicePorts {
    IServiceWindow& window;
    IFocus& focus;
    IMessageBox& messages;
    IPrompts& prompts; // questions and the input dialog of the commands
    IInstallation& installation;
    ICollectionStore& store;
    ILanguageLoader& languages;
    IClipboard& clipboard;
    IViewerChain& viewers;
    IClock& clock;
    ISound& sound;
    IHotKeys& hotKeys;
    ITimers& timers;
    ITrayIcon& tray;
    IInputState& input;
    IKeyInput& keys;
    ITargetWindow& targets;
    ITargetMessages& targetMessages;
    IMenuHost& menus;
    IRegistryLists& systemLists; // typed addresses and documents for the extension submenus
    IDocumentShell& documents;
    IPictureDecoder& pictures; // pictures offered only in compressed form
    IHotWindows& hotWindows;   // the hot-icon or the hot-menu window
    ICamera& camera;
};

// Answer of the autostart check at start-up: autostart is disabled.
extern bool g_bAutostartDisabled;

class CServiceWnd : public ServiceState,
                    public IBusyIndicator,
                    public IServiceCommands,
                    private IEntryActions {
public:
    // `screenWidth` places the hot window; `tickNow` starts the capture gate stamps.
    CServiceWnd(const ServicePorts& ports, int screenWidth, uint32_t tickNow);
    ~CServiceWnd() override;
    CServiceWnd(const CServiceWnd&) = delete;
    CServiceWnd& operator=(const CServiceWnd&) = delete;

    // Start-up: creates the window as child of `parent` and brings everything up.
    bool Create(WindowHandle parent);
    // The "Close" command: releases what hangs on the window, then destroys the frame.
    void Close() override;
    // A second copy asks this one to uninstall the program.
    void OnUninstallRequest();
    // WM_DESTROY: saves (or uninstalls) and releases everything. Runs once.
    void OnDestroy();
    // Remembers the foreground window and its focus as the paste target.
    void RememberTarget() { m_target.RememberTarget(); }

    // The selection dispatcher: WM_COMMAND sent or posted to the service window.
    // wParam 0 with lParam 32792 opens the main menu. Always true.
    bool OnCommand(uintptr_t wParam, intptr_t lParam);
    // The service's own commands: pause, continue, scheduler start and stop. False for any
    // other id.
    bool OnServiceCommand(unsigned id) override;
    // A chosen entry with its command (see Dispatcher::DispatchEntry).
    void DispatchEntry(uintptr_t wParam, intptr_t lParam) {
        m_dispatcher.DispatchEntry(wParam, lParam);
    }

    // --- capture (capture.cpp) ---
    void OnDrawClipboard(uintptr_t wParam = 0, intptr_t lParam = 0) {
        m_capture.OnDrawClipboard(wParam, lParam);
    }
    void LookAgainAtClipboard() { m_capture.LookAgainAtClipboard(); }
    void OnChangeCbChain(WindowHandle removed, WindowHandle next) {
        m_capture.OnChangeCbChain(removed, next);
    }
    void PlaySound(uint8_t choice) { m_capture.PlaySound(choice); }
    void LeaveViewerChain() { m_capture.LeaveViewerChain(); }
    // Busy indicator on the taskbar icon and the hot window.
    void SetBusy(bool busy) override;

    // --- hot keys (hot_keys.cpp) ---
    // Registers the hot keys the preferences name and sets the mouse-at-top timer. False
    // when neither Ctrl+Shift+Insert nor Ctrl+Shift+V could be had.
    bool RegisterHotKeys() { return m_hotKeys.Register(); }
    void UnregisterHotKeys() { m_hotKeys.Unregister(); }
    // WM_HOTKEY: `lParam` carries the hot key's virtual key in its high word.
    void OnHotKey(int id, intptr_t lParam) { m_hotKeys.OnHotKey(id, lParam); }

    // --- timers (service_wnd.cpp, service_timers.cpp) ---
    void OnTimer(uintptr_t id);
    // The scheduler's check, once a minute while it is on.
    void RunSchedulerCheck() { m_timers.RunSchedulerCheck(); }

    // --- taskbar icon (taskbar_icon.cpp) ---
    // Adds the taskbar icon (paused, busy or normal picture) or deletes it.
    void SetTrayIcon(bool add, bool busy = false) { m_taskbarIcon.SetTrayIcon(add, busy); }
    // The taskbar icon's callback message: wParam the icon id, lParam the mouse message.
    intptr_t OnTrayNotify(uintptr_t wParam, intptr_t lParam) {
        return m_taskbarIcon.OnTrayNotify(wParam, lParam);
    }
    // The hot window in use is the hot-menu window (it offers the menu itself).
    bool HasHotMenuWindow() const;

    // --- the hot window's input and the Camera (hot_window_input.cpp) ---
    // A click on the hot window opens the main menu or the application menu.
    void OnHotWindowClick(HotClick click);
    // The pointer rested on the hot-icon ("Mouse on Hot-icon").
    void OnHotWindowRest();
    // Data dropped on the hot window becomes items. Returns how many.
    size_t OnHotWindowDrop(const IDataOffer& offer);
    // Command 32808: the Camera, or the open one brought to the front.
    void RunCamera();

    // --- paste (paste_target.cpp, paste.cpp, paste_sequences.cpp) ---
    // Gives the remembered paste target back the foreground and its focus.
    void RestoreTarget() { m_target.RestoreTarget(); }
    // Before a menu of the program is tracked: the frame comes to the front and the service
    // window takes the focus, sharing the input of the paste target's thread, so that the
    // keyboard reaches the menu. EndMenuFocus, once the menu is closed, stops the sharing.
    void FocusForMenu() { m_target.FocusForMenu(); }
    void EndMenuFocus() { m_target.EndMenuFocus(); }
    // The pastes, as the dispatcher and the commands ask for them (paste.h).
    void EmulatePaste() { m_paste.EmulatePaste(); }
    bool PasteText(const std::string& text, const std::string& html, uint16_t type, int32_t variant,
                   const std::u16string& wide = {}) {
        return m_paste.PasteText(text, html, type, variant, wide);
    }
    void PasteBitmap(const std::vector<uint8_t>& dib, const std::string& html) {
        m_paste.PasteBitmap(dib, html);
    }
    void PasteAll(CClipItem* item) { m_paste.PasteAll(item); }
    void PasteSuperHotKey(int id) { m_paste.PasteSuperHotKey(id); }
    std::string ExpandTemplate(const std::string& text) const {
        return m_paste.ExpandTemplate(text);
    }
    void ContinueChain(const CClipItem& item) { m_paste.ContinueChain(item); }
    // --- the Preferences submenu (preferences_in_menu.cpp) ---
    // WM_INITMENUPOPUP while a context menu is tracked: the popup, known by its first entry
    // (`firstIsPopup` when that opens a further popup), gets its marks; `fontFace` is the
    // menu font's face.
    void OnInitMenuPopup(MenuHandle popup, unsigned firstId, bool firstIsPopup,
                         const std::string& fontFace);
    // A click in a tracked context menu: the in-place entry under the pointer (the last one
    // WM_MENUSELECT reported) flips its preference and the menu stays open. True when the
    // click is taken.
    bool TogglePreferenceInPlace();
    // What a flipped preference changes outside the record (TOGGLE_ bits).
    void ApplyToggleEffects(unsigned effects);
    // --- editing items and the About box (item_editing.cpp) ---
    // ID_EDITOR_ENDED: the content of ended edits comes back into their items, then
    // everything is saved and read back. Waits while a menu, a dialog or a chosen entry
    // still holds items.
    void FinishEdits();
    // The About box, unless a dialog is open already.
    void ShowAbout();

    // --- the main menu and its context menus (menu_tracking.h) ---
    void OpenMainMenu() { m_menus.OpenMainMenu(); }
    void OpenContextMenu() { m_menus.OpenContextMenu(); }
    void ReopenMainMenu() { m_menus.ReopenMainMenu(); }
    void SaveAndReload() override { m_menus.SaveAndReload(); }
    intptr_t OnMenuChar(unsigned ch, int itemCount) { return m_menus.OnMenuChar(ch, itemCount); }
    void OnMenuSelect(unsigned id, MenuHandle menu) { m_menus.OnMenuSelect(id, menu); }
    bool FinishMenuDrag(CClipItem* dragged, const MenuDrop& drop) {
        return m_menus.FinishMenuDrag(dragged, drop);
    }
    MenuHighlight Highlight() const { return m_menus.Highlight(); }

    WindowHandle GetSafeHwnd() const { return m_hWnd; }

private:
    bool m_bShuttingDown = false; // OnDestroy has begun: it runs once per window
    ServicePorts m_ports;

public:
    HotWindowKeeper m_hotWnd; // the hot window, m_pHotWnd within

private:
    PasteTarget m_target;
    TaskbarIcon m_taskbarIcon;
    Capture m_capture;
    Paste m_paste;
    HotKeys m_hotKeys;
    ServiceTimers m_timers;
    Dispatcher m_dispatcher;
    CMenuTracking m_menus;

    // The dispatcher's printing, players and Schedule dialog (item_actions.h).
    bool PrintEntry(unsigned entryId, const CClipItem& item, const std::string& text) override;
    void PlayEntry(CClipItem& item) override;
    void EditEntrySchedule(CClipItem& item) override;
    void SkipPlayingClip() override;
    void StopPlayer() override;
};
