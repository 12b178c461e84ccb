#pragma once
// The commands of the context menus that ask the user or change the preferences: New,
// Rename, Delete, Remove all, Paste all, the user hot key, and the Preferences entries that
// run once the menus have closed. The menu posts them with the entry it was opened for.
#include <cstdint>

class CServiceWnd;

// `wParam` is the entry id the context menu was opened for (m_pSelItem and m_strSelPath are
// its item and path), `lParam` the command. False when the command is none of these.
bool RunMenuCommand(CServiceWnd& service, uintptr_t wParam, intptr_t lParam);
