#pragma once
// The user's preferences: the fields kept in the header of "Clipboard.qbx".
// CServiceWnd holds them as its own members by deriving from CPreferences.
#include <cstdint>

// Option bits of m_dwOptions. The low 28 bits are persisted.
enum : uint32_t {
    OPT_HK_ALT_SHIFT_INS = 0x1,
    OPT_HK_CTRL_SHIFT_INS = 0x2,
    OPT_HK_CTRL_SHIFT_V = 0x4,
    OPT_MOUSE_AT_TOP = 0x8,
    OPT_PASTE_SHIFT_INS = 0x10,
    OPT_PASTE_CTRL_V = 0x20,
    OPT_AUTOSAVE = 0x40,
    OPT_LEFT_CLICK_MENU = 0x80,
    OPT_INSERT_HEAD = 0x100,
    OPT_INSERT_TAIL = 0x200,
    OPT_EXT_TIME = 0x400,
    OPT_NO_TRAY_ICON = 0x800,
    OPT_FMT_TEXT = 0x1000,
    OPT_FMT_BITMAP = 0x2000,
    OPT_FMT_FILES = 0x4000,
    OPT_FMT_RTF = 0x8000,
    OPT_PASTE_DROP_FILE = 0x10000,
    OPT_FMT_MULTIMEDIA = 0x20000,
    OPT_SCHEDULER_ON = 0x40000,
    OPT_KEEP_CLIPBOARD_EMPTY = 0x100000,
    OPT_NO_AUTOSTART = 0x400000,
    OPT_EXT_URLS = 0x800000,
    OPT_EXT_DOCS_OPENSAVE = 0x1000000,
    OPT_EXT_DOCS_RECENT = 0x2000000,
    OPT_FMT_HTML = 0x4000000,
};

constexpr uint32_t OPT_DEFAULTS = 0xF91D;
constexpr uint32_t OPT_PERSISTED_MASK = 0x0FFFFFFF;

// Bit 4 of m_nHotStyle: open the main menu while the mouse rests over the hot-icon.
constexpr uint8_t HOT_STYLE_MOUSE_ON_ICON = 0x10;
// The low 4 bits of m_nHotStyle: the style of the hot window; 7 is the hot-menu window.
constexpr uint8_t HOT_STYLE_MASK = 0x0F;
constexpr uint8_t HOT_STYLE_HOT_MENU = 7;

struct HotPoint {
    int16_t x = 0;
    int16_t y = 60;
};

struct CPreferences {
    uint32_t m_dwOptions = OPT_DEFAULTS;
    uint8_t m_nMaxItems = 8;
    uint8_t m_nMinTextSize = 3;
    uint8_t m_nBitmapCounter = 0;
    uint8_t m_nSuperHotKey = 0;
    uint8_t m_nSound = 0;
    uint8_t m_nLanguage = 0;
    uint16_t m_nCounter[3] = {0, 0, 0};
    uint32_t m_nPasteCount = 0;
    uint16_t m_nMaxItemSizeKB = 0;
    uint8_t m_nUserHotKeyMods = 0;
    uint8_t m_nUserHotKeyVk = 0;
    uint8_t m_nHotStyle = 5;
    HotPoint m_ptHot; // x is set from the screen width at start-up
    int16_t m_nHotMenuWidth = 100;
};
