#include "app/preference_menu.h"

#include "platform/ui_strings.h"
#include "resource.h"

namespace {

bool Has(uint32_t options, uint32_t bit) {
    return (options & bit) != 0;
}

// An entry that flips one bit of the option word; `inverted` entries are marked while the
// bit is clear.
struct CheckEntry {
    unsigned id;
    uint32_t bit;
    bool inverted;
    unsigned effects;
};
const CheckEntry kChecks[] = {
    {ID_HK_ALT_SHIFT_INS, OPT_HK_ALT_SHIFT_INS, false, TOGGLE_HOT_KEYS},
    {ID_HK_MOUSE_AT_TOP, OPT_MOUSE_AT_TOP, false, TOGGLE_HOT_KEYS},
    {ID_TRAY_ICON, OPT_NO_TRAY_ICON, true, TOGGLE_TRAY_ICON},
    {ID_PASTE_DROP_FILE, OPT_PASTE_DROP_FILE, false, 0},
    {ID_AUTOSAVE, OPT_AUTOSAVE, false, 0},
    {ID_FMT_TEXT, OPT_FMT_TEXT, false, 0},
    {ID_FMT_RTF, OPT_FMT_RTF, false, 0},
    {ID_FMT_HTML, OPT_FMT_HTML, false, 0},
    {ID_FMT_BITMAP, OPT_FMT_BITMAP, false, 0},
    {ID_FMT_FILES, OPT_FMT_FILES, false, 0},
    {ID_FMT_MULTIMEDIA, OPT_FMT_MULTIMEDIA, false, 0},
    {ID_EXT_TIME, OPT_EXT_TIME, false, 0},
    {ID_EXT_URLS, OPT_EXT_URLS, false, 0},
    {ID_EXT_DOCS_OPENSAVE, OPT_EXT_DOCS_OPENSAVE, false, 0},
    {ID_EXT_DOCS_RECENT, OPT_EXT_DOCS_RECENT, false, 0},
    {ID_KEEP_CLIPBOARD_EMPTY, OPT_KEEP_CLIPBOARD_EMPTY, false, 0},
    {ID_DISABLE_AUTOSTART, OPT_NO_AUTOSTART, false, TOGGLE_AUTOSTART},
};

// Two entries of which exactly one is on. The first is on while `firstBit` is set; a pair
// whose first has no bit of its own is on while `secondBit` is clear.
struct RadioPair {
    unsigned first;
    uint32_t firstBit, secondBit;
    unsigned effects;
};
const RadioPair kPairs[] = {
    {ID_HK_CTRL_SHIFT_INS, OPT_HK_CTRL_SHIFT_INS, OPT_HK_CTRL_SHIFT_V, TOGGLE_HOT_KEYS},
    {ID_RIGHT_CLICK_MENU, 0, OPT_LEFT_CLICK_MENU, 0},
    {ID_PASTE_SHIFT_INS, OPT_PASTE_SHIFT_INS, OPT_PASTE_CTRL_V, 0},
    {ID_INSERT_HEAD, OPT_INSERT_HEAD, OPT_INSERT_TAIL, 0},
};

bool IsFirstOn(const RadioPair& pair, uint32_t options) {
    return pair.firstBit ? Has(options, pair.firstBit) : !Has(options, pair.secondBit);
}

MenuMarks::Radio RadioOf(const RadioPair& pair, uint32_t options) {
    return {pair.first, pair.first + 1, IsFirstOn(pair, options) ? pair.first : pair.first + 1};
}

const RadioPair& PairOf(unsigned first) {
    for (const RadioPair& pair : kPairs)
        if (pair.first == first)
            return pair;
    return kPairs[0];
}

bool IsChecked(const CheckEntry& entry, uint32_t options) {
    return Has(options, entry.bit) != entry.inverted;
}

void AddChecks(MenuMarks& marks, uint32_t options, unsigned first, unsigned last) {
    for (const CheckEntry& entry : kChecks)
        if (entry.id >= first && entry.id <= last)
            marks.checks.push_back({entry.id, IsChecked(entry, options)});
}

} // namespace

std::string FillNumber(const std::string& pattern, long value) {
    const size_t at = pattern.find("%d");
    if (at == std::string::npos)
        return pattern;
    return pattern.substr(0, at) + std::to_string(value) + pattern.substr(at + 2);
}

PopupMarks PreferenceMarks(unsigned firstId, const CPreferences& prefs, const PopupFacts& facts) {
    PopupMarks out;
    if (facts.firstIsPopup) {
        out.helpId = ID_PREFERENCES;
        return out;
    }
    MenuMarks& m = out.marks;
    const uint32_t opts = prefs.m_dwOptions;
    switch (firstId) {
    case ID_PASTE_TEXT:
        out.helpId = ID_PASTE_AS;
        break;
    case ID_PLAYER_PLAY:
        out.helpId = ID_PLAYER;
        break;
    case ID_SCHEDULER_START:
    case ID_SCHEDULER_STOP:
        out.helpId = ID_SCHEDULER;
        break;
    case ID_HK_ALT_SHIFT_INS:
        AddChecks(m, opts, ID_HK_ALT_SHIFT_INS, ID_HK_MOUSE_AT_TOP);
        m.radios.push_back(RadioOf(PairOf(ID_HK_CTRL_SHIFT_INS), opts));
        m.checks.push_back({ID_HK_USER, prefs.m_nUserHotKeyVk != 0});
        out.helpId = ID_HOTKEYS_MENU;
        break;
    case ID_HOT_STYLE_FIRST:
        m.radios.push_back({ID_HOT_STYLE_FIRST, ID_HOT_STYLE_LAST,
                            ID_HOT_STYLE_FIRST + unsigned(prefs.m_nHotStyle & HOT_STYLE_MASK)});
        m.defaultId = ID_HOT_STYLE_LAST;
        m.checks.push_back(
            {ID_HOT_MOUSE_ON_ICON, (prefs.m_nHotStyle & HOT_STYLE_MOUSE_ON_ICON) != 0});
        AddChecks(m, opts, ID_TRAY_ICON, ID_TRAY_ICON);
        m.radios.push_back(RadioOf(PairOf(ID_RIGHT_CLICK_MENU), opts));
        out.helpId = ID_HOT_WINDOW_MENU;
        break;
    case ID_SUPER_HOT_KEY_FIRST:
        m.radios.push_back({ID_SUPER_HOT_KEY_FIRST, ID_SUPER_HOT_KEY_LAST,
                            ID_SUPER_HOT_KEY_FIRST + unsigned(prefs.m_nSuperHotKey)});
        out.helpId = ID_SUPER_HOT_KEY_MENU;
        break;
    case ID_PASTE_SHIFT_INS:
        m.radios.push_back(RadioOf(PairOf(ID_PASTE_SHIFT_INS), opts));
        AddChecks(m, opts, ID_PASTE_DROP_FILE, ID_PASTE_DROP_FILE);
        out.helpId = ID_PASTE_EMULATION_MENU;
        break;
    case ID_INSERT_HEAD:
        m.radios.push_back(RadioOf(PairOf(ID_INSERT_HEAD), opts));
        AddChecks(m, opts, ID_AUTOSAVE, ID_AUTOSAVE);
        out.helpId = ID_INSERT_MENU;
        break;
    case ID_SOUND_FIRST:
        m.radios.push_back(
            {ID_SOUND_FIRST, ID_SOUND_LAST, ID_SOUND_FIRST + unsigned(prefs.m_nSound)});
        out.helpId = ID_SOUND_MENU;
        break;
    case ID_FMT_TEXT:
        AddChecks(m, opts, ID_FMT_TEXT, ID_FMT_MULTIMEDIA);
        out.helpId = ID_FORMATS_MENU;
        break;
    case ID_EXT_TIME:
        AddChecks(m, opts, ID_EXT_TIME, ID_EXT_DOCS_RECENT);
        out.helpId = ID_EXTENSIONS_MENU;
        break;
    case ID_MAX_ITEMS: {
        const long values[] = {prefs.m_nMaxItems,   prefs.m_nMinTextSize, prefs.m_nMaxItemSizeKB,
                               prefs.m_nCounter[0], prefs.m_nCounter[1],  prefs.m_nCounter[2]};
        const unsigned ids[] = {ID_MAX_ITEMS, ID_MIN_TEXT_SIZE, ID_MAX_ITEM_SIZE,
                                ID_COUNTER_1, ID_COUNTER_2,     ID_COUNTER_3};
        for (size_t i = 0; i < 6; ++i)
            m.texts.push_back(
                {ids[i], FillNumber(LoadUiString(IDS_MAX_ITEMS_IS + unsigned(i)), values[i])});
        out.helpId = ID_LIMITS_MENU;
        break;
    }
    case ID_DISABLE_AUTOSTART:
        AddChecks(m, opts, ID_DISABLE_AUTOSTART, ID_KEEP_CLIPBOARD_EMPTY);
        out.helpId = ID_AUTOSTART_MENU;
        break;
    case ID_FONT:
        m.texts.push_back({ID_FONT, facts.fontFace});
        out.helpId = ID_FONT_MENU;
        break;
    case ID_LANGUAGE_FIRST:
        for (unsigned i = 1; i < 4; ++i)
            m.enabled.push_back({ID_LANGUAGE_FIRST + i, facts.languages[i]});
        m.radios.push_back(
            {ID_LANGUAGE_FIRST, ID_LANGUAGE_LAST, ID_LANGUAGE_FIRST + unsigned(prefs.m_nLanguage)});
        out.helpId = ID_LANGUAGE_MENU;
        break;
    default:
        break;
    }
    return out;
}

PreferenceToggle TogglePreference(unsigned id, CPreferences& prefs) {
    PreferenceToggle t;
    uint32_t& opts = prefs.m_dwOptions;
    if (id == ID_HOT_MOUSE_ON_ICON) {
        prefs.m_nHotStyle ^= HOT_STYLE_MOUSE_ON_ICON;
        t.handled = true;
        t.effects = TOGGLE_HOVER;
        t.marks.checks.push_back({id, (prefs.m_nHotStyle & HOT_STYLE_MOUSE_ON_ICON) != 0});
        return t;
    }
    for (const CheckEntry& entry : kChecks) {
        if (entry.id != id)
            continue;
        opts ^= entry.bit;
        t.handled = true;
        t.effects = entry.effects;
        t.marks.checks.push_back({id, IsChecked(entry, opts)});
        return t;
    }
    for (const RadioPair& pair : kPairs) {
        if (id != pair.first && id != pair.first + 1)
            continue;
        const bool first = id == pair.first;
        t.handled = true;
        if (IsFirstOn(pair, opts) == first)
            return t; // on already: nothing changes
        opts = first ? (opts | pair.firstBit) & ~pair.secondBit
                     : (opts | pair.secondBit) & ~pair.firstBit;
        t.effects = pair.effects;
        t.marks.radios.push_back(RadioOf(pair, opts));
        return t;
    }
    return t;
}
