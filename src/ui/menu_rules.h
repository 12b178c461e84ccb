#pragma once
// Small rules of the open main menu: where it opens, which context popup an entry gets,
// what a typed character does, and which input asks for an entry's context menu.
#include <cstdint>

// Where the main menu opens. `stored` is m_ptMenu: a negative x means "at the pointer".
// A pointer on the screen's top row (the mouse-at-top activation) opens it lower and to the
// left, so that it does not cover the place the user rests on.
struct MenuPoint {
    int x = -1;
    int y = -1;
};
MenuPoint MenuPosition(MenuPoint stored, MenuPoint cursor);
// The value kept in m_ptMenu after opening at `shown`: it reads as "at the pointer" until
// RememberedPosition turns it back into a position (reopening where the menu was).
MenuPoint ForgottenPosition(MenuPoint shown);
MenuPoint RememberedPosition(MenuPoint stored);

// Popups of menu 128.
enum ContextPopup : int {
    CONTEXT_NONE = -1,
    CONTEXT_APP = 0,
    CONTEXT_ITEM = 1,
    CONTEXT_COLLECTION = 2,
    CONTEXT_EXTENSION = 3,
    CONTEXT_TIME = 4,
    CONTEXT_DOCUMENT = 5,
};
// The context popup for the highlighted entry's status id (-1: none highlighted).
ContextPopup ContextPopupFor(int32_t entryId);

// WM_MENUCHAR: the answer (0, or MNC_EXECUTE with a position in the high/low words) and the
// command a letter queues for the dispatcher (0 for none). `itemCount` is the open menu's.
struct MenuCharAnswer {
    intptr_t result = 0;
    int32_t queuedCommand = 0;
};
MenuCharAnswer MenuCharAction(unsigned ch, int32_t selEntryId, bool contextTracked, int itemCount);
// The command a letter applies to the highlighted item (the same in the main menu and on
// the hot-menu window); 0 for none.
int32_t LetterCommand(unsigned ch);

// A message the menu loop receives, as far as the rule below needs it.
struct MenuInput {
    unsigned message = 0;   // WM_RBUTTONUP, WM_KEYDOWN, WM_SYSKEYDOWN, ...
    unsigned key = 0;       // a key message's virtual key
    bool shift = false;     // Shift is held
    bool overEntry = false; // the pointer is over an entry of the open menus
};
// Whether the input opens the context menu of the highlighted entry (`selEntryId`, -1 for
// none): the right button released over an entry, the context-menu key or Shift+F10. Not
// while a context menu is tracked: its own entries are chosen with the left button.
bool OpensContextMenu(const MenuInput& input, int32_t selEntryId, bool contextTracked);
