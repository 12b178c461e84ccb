#pragma once
// The hot window as the service keeps it: made in the style the preferences name, told the
// busy and paused states, hidden while the main menu is open, replaced when the user
// chooses another style, and its place kept in the preferences.
#include <memory>

#include "platform/hot_window.h"
#include "store/clip_item.h"
#include "store/preferences.h"

// How the user clicked the hot-icon.
enum class HotClick { Left, Right, Double };

class HotWindowKeeper {
public:
    HotWindowKeeper(IHotWindows& windows, CPreferences& prefs)
        : m_windows(windows), m_prefs(prefs) {}

    // Makes the window of m_nHotStyle (none for style 0), replacing one that is shown.
    void Create(bool busy, bool paused);
    void Destroy();
    // A style of "Hot Icons && Hot Menu" (0..7): 0 takes a shown window away and clears the
    // "Mouse on Hot-icon" bit with it; the others show the window of that style and keep the
    // bit. The preferences hold the new style.
    void ChooseStyle(uint8_t style, bool paused);
    // "Mouse on Hot-icon" flipped.
    void SetHoverOpening(bool on);

    bool Exists() const { return m_pHotWnd != nullptr; }
    bool IsHotMenu() const;
    bool IsHotWindow(WindowHandle window) const;
    bool HasOwnMenuOpen() const;

    void ShowState(bool busy, bool paused);
    void Refresh();
    // Hidden while the main menu is shown, back once it has gone.
    void HideForMenu();
    void ShowAfterMenu();

    // The window stands at `window` on the screen: its top-left corner is kept in m_ptHot and,
    // unless `collapsed`, its width in m_nHotMenuWidth. True when the corner moved (a drag,
    // not a click).
    bool SavePlace(const PixelRect& window, bool collapsed);
    // A click opens the main menu, else the application menu, as "Left click menu" says.
    bool OpensMainMenu(HotClick click) const;

private:
    IHotWindows& m_windows;
    CPreferences& m_prefs;
    std::unique_ptr<IHotWindow> m_pHotWnd;
};
