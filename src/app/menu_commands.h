#pragma once
// The commands of the context menus that ask the user or change the preferences: New,
// Rename, Delete, Remove all, Paste all, the user hot key, and the Preferences entries that
// run once the menus have closed. The menu posts them with the entry it was opened for.
#include <cstdint>

class CServiceWnd;
class IMenuHost;
class ICollectionStore;
class IPrompts;
class IServiceWindow;
class ILanguageLoader;

struct MenuCommandPorts {
    IMenuHost& menus;           // closed while a dialog is open
    ICollectionStore& store;    // the changed preferences, saved
    IPrompts& prompts;          // the dialogs that ask for names and numbers
    IServiceWindow& window;     // the font dialog
    ILanguageLoader& languages; // a language chosen
};

// `wParam` is the entry id the context menu was opened for (m_pSelItem and m_strSelPath are
// its item and path), `lParam` the command. False when the command is none of these.
bool RunMenuCommand(const MenuCommandPorts& ports, CServiceWnd& service, uintptr_t wParam,
                    intptr_t lParam);
