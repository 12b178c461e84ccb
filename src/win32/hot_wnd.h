#pragma once
// The hot window (dialog template 103): the hot-icon in its picture styles, through which
// the user opens the menus with the mouse and onto which data can be dropped, or the
// hot-menu window, a small captioned window whose menu bar is the main menu itself. The
// hot-icon lives in hot_wnd.cpp, the hot-menu in hot_wnd_menu.cpp.
#include <memory>

#include "handles.h"
#include "hot_picture.h"
#include "menu_entries.h"
#include "platform/hot_window.h"
#include "ui/hot_geometry.h"
#include "ui/hot_hover.h"
#include "window.h"

class CServiceWnd;
class CDocumentsMenus;
class CPlayerHost;
class IRegistryLists;
class CMainMenu;
class HotDropTarget;

class CHotWnd final : public CWindow, public IHotWindow {
public:
    // The window of `style` (m_nHotStyle) for `service`, showing `indicator`; the hot-menu's
    // bar takes the documents popups from `documents`; `players` (none: nothing plays) tell
    // what plays.
    CHotWnd(CServiceWnd& service, const CDocumentsMenus& documents, IRegistryLists& systemLists,
            CPlayerHost* players, uint8_t style, int indicator);
    ~CHotWnd() override;
    // Makes the window; false when its picture or the window cannot be had.
    bool Create();

    // IHotWindow
    void ShowIndicator(int indicator) override;
    void Refresh() override;
    void Show(bool visible) override;
    void SetHoverOpening(bool on) override;
    bool HasOwnMenuOpen() const override { return m_hHoverPopup != nullptr; }
    WindowHandle Window() const override { return FromHwnd(Handle()); }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // The screens the desktop shows now.
    static std::vector<PixelRect> Monitors();
    bool IsMenu() const { return m_look.kind == HotKind::Menu; }
    LRESULT OnInitDialog();
    // Keeps the window's place in the preferences; true when it moved since the last time.
    bool SavePosition();
    void OnTimer(UINT_PTR id);
    void PointerLeftCheck();

    // What a player plays now, for the tip and the caption.
    std::string PlayerStatus() const;

    // The hot-icon (hot_wnd.cpp).
    LRESULT HandleIconMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void AddTip();
    // The tip hears of the pointer as over a client area: the whole icon is caption.
    void RelayToTip(UINT clientMsg, LPARAM screenPoint);
    void PaintIcon(HDC dc);
    void OnHoverStep(const HoverArm::Step& step);

    // The hot-menu (hot_wnd_menu.cpp).
    LRESULT HandleMenuMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void InitHotMenu();
    void RefreshHotMenu();
    void ReleaseBar();
    void PaintCaption();
    void DrawCaptionButton(bool pushed);
    LRESULT OnMenuHitTest(LPARAM lParam);
    void HighlightRow(int row);
    void OnBarRowDrawn(const DRAWITEMSTRUCT& dis);
    void OnHoverPopupTimer();
    bool OnMenuNcButton(UINT msg, WPARAM wParam, LPARAM lParam);
    void OnMenuSysCommand(WPARAM command, LPARAM lParam);
    void ForwardCommand(WPARAM wParam, LPARAM lParam);
    HotMenuMetrics Metrics() const;

    CServiceWnd& m_service;
    const CDocumentsMenus& m_documents;
    IRegistryLists& m_systemLists; // the extension submenus of the hot-menu's bar
    CPlayerHost* const m_players;
    const HotStyleLook m_look;
    HoverArm m_hover;
    int m_nIndicator;
    bool m_bCollapsed = true; // a hot-icon counts as collapsed: it has no width to keep
    bool m_bLeft = true;      // the pointer has been outside the window since the last check
    bool m_hiddenForMenu = false;
    HotPicture m_picture;
    std::vector<PixelRun> m_shape; // the runs of the region in force
    HotDropTarget* m_dropTarget = nullptr;
    HWND m_tip = nullptr;  // the hot-icon's tip: the time, and what plays
    std::string m_tipText; // the text the tip shows now

    // The hot-menu.
    std::unique_ptr<CMainMenu> m_barModel; // the entries the bar's item data point at
    UniqueMenu m_pBar;
    int m_nHotEntry = -1;
    HMENU m_hHoverPopup = nullptr;
    POINT m_ptPopup = {0, 0};
    TPMPARAMS m_tpm = {};
    RECT m_rectButton = {0, 0, 0, 0};
    UINT m_nButtonState = 0;
    int m_nClockMinute = -1;
    std::string m_captionText; // what the caption shows now
    UniqueFont m_fontCaption;
    // Menu loops of the bar or its popups under way: the bar they track is rebuilt after them.
    int m_menuLoops = 0;
    bool m_refreshWanted = false;
};
