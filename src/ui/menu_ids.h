#pragma once
// Command ids and item-data tags of the main menu. Drawing, tracking, the dispatcher and the
// hot-menu window all recognise entries by these values.
#include <cstdint>

// Item data of the popups that carry no data of their own. Every other entry's item data
// points at its MenuEntry.
enum : uintptr_t {
    TAG_TIME = 0,
    TAG_URLS = 1,
    TAG_DOCS_OPENSAVE = 2,
    TAG_DOCS_RECENT = 3,
    TAG_PASTE_AS = 10, // 10..13: popups of the item context menu
    TAG_PLAYER = 11,
    TAG_SCHEDULER = 12,
    TAG_PREFERENCES = 13,
    TAG_LAST = 13,
};

// No menu lists more entries than a user can go through: at most this many items of the
// active collection, of each external collection, and this many external collections.
// Items keep the ids 1..127, which the context menus and typed digits rely on.
constexpr unsigned MAX_MENU_ITEMS = 127;
constexpr unsigned MAX_MENU_COLLECTIONS = 127;
// At most this many entries in each popup of the documents submenus.
constexpr unsigned MAX_MENU_DOCUMENTS = 127;

// A popup without entries reports this id as its first entry's.
constexpr int32_t ID_EMPTY_SUBMENU = 16384;

// Documents of the two documents submenus: ID_DOC_FIRST + k, below ID_DOC_LIMIT.
constexpr unsigned ID_DOC_FIRST = 16640;
constexpr unsigned ID_DOC_LIMIT = 17151;
// Typed addresses: the value "url<N>" gets ID_URL_FIRST + N - 1 (N = 1..100).
constexpr unsigned ID_URL_FIRST = 17152;
constexpr unsigned ID_URL_LAST = 17406;
constexpr unsigned TYPED_URL_COUNT = 100;
// Formats of the current time: ID_TIME_FIRST + n.
constexpr unsigned ID_TIME_FIRST = 17408;
constexpr unsigned ID_TIME_LAST = 17415;
// Commands of the context menus (and the popups' status ids) lie at and above this.
constexpr unsigned ID_COMMAND_FIRST = 32768;

inline bool IsDocumentId(int64_t id) {
    return id >= ID_DOC_FIRST && id < ID_DOC_LIMIT;
}
inline bool IsUrlId(int64_t id) {
    return id >= ID_URL_FIRST && id <= ID_URL_LAST;
}
inline bool IsTimeId(int64_t id) {
    return id >= ID_TIME_FIRST && id <= ID_TIME_LAST;
}
