#pragma once
// The service: holder of everything the running program knows, from start-up to shutdown.
// The Win32 service window hosts it and forwards its messages to these handlers; the units
// of capture, menus, paste, commands, hot keys and preferences work on its members.
#include <cstdint>
#include <string>
#include <vector>

#include "app/hot_window_keeper.h"
#include "platform/handles.h"
#include "platform/input_state.h"
#include "platform/tray_icon.h"
#include "store/clip_item.h"
#include "store/language.h"
#include "store/preferences.h"

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
class CMainMenu;
struct ClipboardLook;
class CScheduler;
class IScheduleEditor;
class CItemEdits;
class IAboutBox;

// Run-time state bits of m_dwState (never persisted).
enum : uint32_t {
    ST_VIEWER_ON = 1u << 24, // capture armed
    ST_BUSY = 1u << 25,      // the program's own clipboard or collection work, or a modal dialog
    ST_UNINSTALL = 1u << 26, // uninstall instead of saving at shutdown
    ST_PAUSED = 1u << 28,
};

// m_hWndNextViewer before the window has joined the clipboard-viewer chain.
constexpr WindowHandle NO_NEXT_VIEWER = 0xFFFF;

// Ids of the hot keys registered on the service window.
enum : int {
    HOTKEY_ALT_SHIFT_INS = 1,
    HOTKEY_CTRL_SHIFT = 2, // Ctrl+Shift+Insert or Ctrl+Shift+V
    HOTKEY_USER = 3,
    HOTKEY_SUPER_FIRST = 4, // 4, 5, 6: the first three items
    HOTKEY_SUPER_LAST = 6,
};

// Ids of the service window's timers (the players' timers use handles as ids).
enum : uintptr_t {
    TIMER_MOUSE_AT_TOP = 1,
    TIMER_TRAY_HOVER = 2,
    TIMER_LOOK_AGAIN = 3, // one-shot: a cut that could not be read at its notification
    TIMER_SCHEDULER = 4,
    TIMER_FINISH_EDITS = 5, // one-shot: an ended edit waits for the menus and dialogs to close
};
constexpr unsigned MOUSE_AT_TOP_PERIOD_MS = 400;
constexpr unsigned TRAY_HOVER_PERIOD_MS = 300;
constexpr unsigned SCHEDULER_PERIOD_MS = 2000;
constexpr unsigned FINISH_EDITS_RETRY_MS = 500;

// The taskbar icon's id and the message by which it reports the mouse.
constexpr uint32_t TRAY_ICON_ID = 128;

// The ports the service and its units use. Every one must outlive the service.
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

// How a drag out of the main menu ended.
struct MenuDrop {
    bool dropped = false;  // false: cancelled
    bool overMenu = false; // over a menu window: the drop rearranges the menu's items
    bool ctrlDown = false; // copy rather than move
};

// Answer of the autostart check at start-up: autostart is disabled.
extern bool g_bAutostartDisabled;

class CServiceWnd : public CPreferences {
public:
    // `screenWidth` places the hot window; `tickNow` starts the capture gate stamps.
    CServiceWnd(const ServicePorts& ports, int screenWidth, uint32_t tickNow);
    ~CServiceWnd();
    CServiceWnd(const CServiceWnd&) = delete;
    CServiceWnd& operator=(const CServiceWnd&) = delete;

    // Start-up: creates the window as child of `parent` and brings everything up.
    bool Create(WindowHandle parent);
    // The "Close" command: releases what hangs on the window, then destroys the frame.
    void Close();
    // A second copy asks this one to uninstall the program.
    void OnUninstallRequest();
    // WM_DESTROY: saves (or uninstalls) and releases everything. Runs once.
    void OnDestroy();
    // Remembers the foreground window and its focus as the paste target.
    void RememberTarget();

    // The selection dispatcher: WM_COMMAND sent or posted to the service window.
    // wParam 0 with lParam 32792 opens the main menu. Always true.
    bool OnCommand(uintptr_t wParam, intptr_t lParam);
    // The service's own commands: pause, continue, scheduler start and stop. False for any
    // other id.
    bool OnServiceCommand(unsigned id);

    // --- capture (capture.cpp) ---
    // WM_DRAWCLIPBOARD: keeps what another program cut, then passes the message on. A cut
    // that cannot be read now (busy, too soon after the last, the clipboard held) is looked
    // for again by TIMER_LOOK_AGAIN.
    void OnDrawClipboard(uintptr_t wParam = 0, intptr_t lParam = 0);
    // TIMER_LOOK_AGAIN: takes what is on the clipboard if it was not looked at whole yet.
    void LookAgainAtClipboard();
    // WM_CHANGECBCHAIN: `removed` leaves the chain; `next` is the window after it.
    void OnChangeCbChain(WindowHandle removed, WindowHandle next);
    // Stores the sound choice (above 6 becomes 2) and plays it.
    void PlaySound(uint8_t choice);
    // Busy indicator on the taskbar icon and the hot window.
    void SetBusy(bool busy);
    // Start-up: captures what is on the clipboard, then joins the viewer chain.
    void JoinViewerChain();
    // Shutdown: leaves the chain unless it was never joined.
    void LeaveViewerChain();

    // --- hot keys (hot_keys.cpp) ---
    // Registers the hot keys the preferences name and sets the mouse-at-top timer. False
    // when neither Ctrl+Shift+Insert nor Ctrl+Shift+V could be had.
    bool RegisterHotKeys();
    void UnregisterHotKeys();
    // WM_HOTKEY: `lParam` carries the hot key's virtual key in its high word.
    void OnHotKey(int id, intptr_t lParam);

    // --- timers (service_timers.cpp) ---
    void OnTimer(uintptr_t id);
    // The scheduler's check, once a minute while it is on.
    void RunSchedulerCheck();

    // --- taskbar icon and pause (tray_icon.cpp) ---
    // Adds the taskbar icon (paused, busy or normal picture) or deletes it.
    void SetTrayIcon(bool add, bool busy = false);
    // Picture and tip of the taskbar icon after the paused state changed.
    void UpdatePauseIndicator();
    // The taskbar icon's callback message: wParam the icon id, lParam the mouse message.
    intptr_t OnTrayNotify(uintptr_t wParam, intptr_t lParam);
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
    void RestoreTarget();
    // Before a menu of the program is tracked: the frame comes to the front and the service
    // window takes the focus, sharing the input of the paste target's thread, so that the
    // keyboard reaches the menu. EndMenuFocus, once the menu is closed, stops the sharing.
    void FocusForMenu();
    void EndMenuFocus();
    // Releases Ctrl, Shift and Alt, counts the paste, and makes the target paste with
    // Ctrl+V or Shift+Insert.
    void EmulatePaste();
    // Puts a text on the clipboard in the formats its type and variant call for, and pastes
    // it; a file list goes by the clipboard or as a drop. `variant` is PASTE_NONE, a "Paste
    // As" variant, or a counter index 0..2 (the text is then a counter pattern). True when a
    // counter advanced. `wide` is the item's exact text where the code page lost characters:
    // it goes under CF_UNICODETEXT (and makes a wide file list) beside the 8-bit text.
    bool PasteText(const std::string& text, const std::string& html, uint16_t type, int32_t variant,
                   const std::u16string& wide = {});
    void PasteBitmap(const std::vector<uint8_t>& dib, const std::string& html);
    // Pastes every item of the item's collection (or of the active one) in turn.
    void PasteAll(CClipItem* item);
    // Super hot key `id` (4..6) pastes the item at position id - 4.
    void PasteSuperHotKey(int id);
    // "[date]" and the markers "[n]" of the active collection's items filled in.
    std::string ExpandTemplate(const std::string& text) const;
    // After a chain item was pasted: Tabs for its trailing '+', then the next item of its
    // collection is posted for pasting.
    void ContinueChain(const CClipItem& item);
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
    // "Edit": the item of the context menu's entry opens in the editor registered for its
    // kind; the program goes on while the editor runs.
    void EditItem(int32_t entryId, CClipItem* item);
    // ID_EDITOR_ENDED: the content of ended edits comes back into their items, then
    // everything is saved and read back. Waits while a menu, a dialog or a chosen entry
    // still holds items.
    void FinishEdits();
    // The About box, unless a dialog is open already.
    void ShowAbout();

    // --- the main menu and its context menus (menu_tracking.cpp) ---
    // Command 32792: builds, shows and tracks the main menu, then posts the chosen entry.
    void OpenMainMenu();
    // Command 32794: the context menu of the highlighted entry (the application menu when
    // none is highlighted), and then its command.
    void OpenContextMenu();
    // Opens the main menu again where it was last shown (after a dialog).
    void ReopenMainMenu();
    // Command 32793: writes every collection and reads them back.
    void SaveAndReload();
    // WM_MENUCHAR in a menu of `itemCount` entries: the answer for the system.
    intptr_t OnMenuChar(unsigned ch, int itemCount);
    // WM_MENUSELECT: remembers the entry under the pointer of a tracked context menu.
    void OnMenuSelect(unsigned id, MenuHandle menu);
    // The end of a drag of `dragged` out of the main menu: a drop on the menu's own entries
    // moves or copies the item there. True when the collections changed.
    bool FinishMenuDrag(CClipItem* dragged, const MenuDrop& drop);

    WindowHandle GetSafeHwnd() const { return m_hWnd; }
    const ServicePorts& Ports() const { return m_ports; }

public:
    uint32_t m_dwState = 0;
    ClipList m_activeList;
    ClipList m_collectionList;
    HotWindowKeeper m_hotWnd; // the hot window, m_pHotWnd within
    FontHandle m_font = 0;
    CLanguageLibrary m_hLangDll; // the loaded language library, if any
    MenuHandle m_hTrackedMenu = 0;
    MenuHandle m_hSelMenu = 0;
    int32_t m_nSelId = -1;
    int32_t m_nSelEntryId = -1;
    CClipItem* m_pSelItem = nullptr;
    CClipItem* m_pDragItem = nullptr;
    std::string m_strSelPath;
    int32_t m_nMenuRowHeight = 0;
    int32_t m_nPendingCmd = 0;
    uint8_t m_bTrayHoverArmed = 1;
    uint8_t m_bAppMenu = 0;
    ScreenPoint m_ptMenu;
    int32_t m_nLastMinute = -1;
    WindowHandle m_hWndNextViewer = NO_NEXT_VIEWER;
    WindowHandle m_hWndTarget = 0;
    WindowHandle m_hWndTargetFocus = 0;
    CMainMenu* m_pMainMenu = nullptr;
    int32_t m_nQueuedCmd = 0;
    TrayIconData m_nid;
    // The scheduler and the Schedule dialog; set by the host before Create, null when the
    // program runs without players.
    CScheduler* m_pScheduler = nullptr;
    IScheduleEditor* m_pScheduleEditor = nullptr;
    // Items open in their editors, and the About box; set by the host before Create, null
    // when the program runs without them.
    CItemEdits* m_pItemEdits = nullptr;
    IAboutBox* m_pAboutBox = nullptr;
    PixelRect m_rcCamera; // empty: the Camera opens at its default place
    uint16_t m_nCameraFlags = 3;
    uint32_t m_dwLastFilesTick;
    uint32_t m_dwLastTextTick;
    uint32_t m_dwLastBitmapTick;

private:
    // A click on the taskbar icon or the hot window: the main menu, or the application menu.
    void OpenMenuOfClick(bool mainMenu);
    bool OpenClipboardSoon();
    void ForwardToNextViewer(unsigned message, uintptr_t wParam, intptr_t lParam);
    void LookAtClipboard(bool again);
    void LookAgainLater();
    // While a menu is open, and until its chosen entry has been dispatched, its entries and
    // m_pSelItem point at items: cuts are read at once but held back from the active
    // collection. A menu holds cuts when it opens; once closed it posts ID_RELEASE_CUTS
    // after its chosen entry, and the last release lets the held cuts in, in order.
    void HoldCuts();
    void ReleaseCutsLater();
    void ReleaseCuts();
    // The held cuts enter the active collection now, before it is saved.
    void AdmitHeldCuts();
    // The repeat gate: the format is on the clipboard and its category (files, text,
    // bitmap) was not checked within the last 500 ms. Renews the category's stamp.
    bool IsFormatFresh(unsigned format, ClipboardLook& look);
    // Opens the clipboard, reads the cut's blocks and closes it; false when another program
    // holds it.
    bool ReadClipboard(ClipboardLook& look);
    bool IsExcludedFromCapture();
    void ReadFormats(ClipboardLook& look);
    void ReadFiles(ClipboardLook& look);
    void ReadRichText(ClipboardLook& look);
    void ReadText(ClipboardLook& look);
    void ReadPicture(ClipboardLook& look);
    // The items of the blocks read, kept in the order files, text, picture.
    void KeepCut(ClipboardLook& look);
    bool PictureDib(ClipboardLook& look, std::vector<uint8_t>& dib);
    // A cut read from the clipboard: plays the sound, then enters the active collection or
    // waits among the held cuts.
    void Keep(std::unique_ptr<CClipItem> item, ClipboardLook& look);
    // The item a new cut would be put beside: the last held cut, else the item at the
    // insert position.
    const CClipItem* NewestCut() const;
    // Puts a cut at the insert position, in place of its duplicates.
    void Admit(std::unique_ptr<CClipItem> item);
    void AfterInsert();
    void WaitForKeysReleased(unsigned vk);
    void OnMouseAtTopTick();
    void OnSchedulerTick();
    void ShowMainMenu();
    // Deletes the temporary files left behind, but not those of edits under way.
    void DeleteUnusedTempFiles();
    void RunContextCommand(unsigned command, int32_t entryId, CClipItem* item,
                           const std::string& path);

    bool OpenClipboardBusy();
    void CloseClipboardBusy();
    void EmptyClipboardAfterPaste();
    void PasteFileList(const std::string& list, bool wide, const std::u16string& wideList);

    int m_nMenuFocusDepth = 0;    // menus open between FocusForMenu and EndMenuFocus
    bool m_bShuttingDown = false; // OnDestroy has begun: it runs once per window
    ServicePorts m_ports;
    WindowHandle m_hWnd = 0;
    WindowHandle m_hWndParent = 0;
    // Formats by which other programs mark a cut that clipboard tools should not keep.
    unsigned m_cfNoMonitor = 0;
    unsigned m_cfViewerIgnore = 0;
    unsigned m_cfHistory = 0;
    unsigned m_cfPasswordHint = 0;
    // Pictures some programs (and X programs through Wine) offer only as a PNG file.
    unsigned m_cfPng = 0;
    // Where the pointer was at the previous mouse-at-top tick; x -1 = nowhere recorded.
    ScreenPoint m_ptLastTop;
    // The clipboard's sequence number when it was last looked at whole (0: none known),
    // and the follow-ups of the last notification so far.
    uint32_t m_dwLookedSequence = 0;
    int m_nLooksAgain = 0;
    // Menus open or with their chosen entry still to be dispatched, and the cuts they hold.
    int m_nCaptureHolds = 0;
    ClipList m_heldCuts;
};
