#pragma once
// The "Preferences" submenu: the marks its popups show when they open, and the entries that
// flip a preference in place while the menu stays open.
#include <array>
#include <string>

#include "platform/menu_host.h"
#include "store/preferences.h"

// What a popup of the context menus shows, told by the id of its first entry.
struct PopupMarks {
    MenuMarks marks;
    int32_t helpId = -1; // the tool tip's text while the popup is open; -1 for none
};

// What besides the popup's own marks the popup needs to know.
struct PopupFacts {
    bool firstIsPopup = false;       // the popup's first entry opens a further popup
    std::string fontFace;            // face of the menu font
    std::array<bool, 4> languages{}; // the language libraries that load (English always)
};

PopupMarks PreferenceMarks(unsigned firstId, const CPreferences& prefs, const PopupFacts& facts);

// What flipping a preference in place must also change outside the record.
enum : unsigned {
    TOGGLE_HOT_KEYS = 1,  // register the hot keys again
    TOGGLE_TRAY_ICON = 2, // add or delete the taskbar icon
    TOGGLE_HOVER = 4,     // the hot-icon's "Mouse on Hot-icon"
    TOGGLE_AUTOSTART = 8, // the autostart entry
};

struct PreferenceToggle {
    bool handled = false; // false: the entry is no in-place toggle
    MenuMarks marks;      // the entry's new mark
    unsigned effects = 0;
};

// The entry `id` clicked: flips its preference (a radio entry that is on already changes
// nothing) and says what follows.
PreferenceToggle TogglePreference(unsigned id, CPreferences& prefs);

// `pattern` with its first "%d" replaced by the number (texts of language libraries are
// never printf formats).
std::string FillNumber(const std::string& pattern, long value);
