#pragma once
// What the tip beside an open menu shows: the preview of the highlighted item, the help
// text of a highlighted popup or context-menu command, or a highlighted bitmap itself.
#include <cstdint>
#include <string>

class CClipItem;

// The highlight of the open menus, as their drawing and WM_MENUSELECT report it.
struct MenuHighlight {
    bool contextMenu = false;  // a context menu is tracked: `selId` is its entry
    int32_t selId = -1;        // the context menu's highlighted command
    int32_t entryId = -1;      // the main menu's highlighted entry
    CClipItem* item = nullptr; // that entry's item, if any
};

struct TipSubject {
    int32_t tool = -1;            // the highlighted entry's id; -1: no tip
    std::string text;             // trimmed, at most 511 characters
    std::u16string wideText;      // drawn instead of text when the code page lost characters
    CClipItem* picture = nullptr; // a bitmap item to show when there is no text
    bool Shows() const { return tool != -1 && (!text.empty() || picture); }
};

// The tip for the highlight: the context menu's entry while one is tracked, else the main
// menu's.
TipSubject TipSubjectOf(const MenuHighlight& highlight);
