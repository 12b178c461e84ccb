// Menus of the language in force: the language library's own, else the program's.
#include "win32/port/resources_win32.h"

#include "platform/ui_strings.h"
#include "resource.h"
#include "store/language.h"

HMENU LoadMenuFrom(unsigned id, const IResourceModule* library, const IResourceModule& own) {
    const IResourceModule& from = UiMenuModule(id, library, own);
    for (const IResourceModule* m : {&from, &own}) {
        // Every module of the Windows build is a Win32ResourceModule.
        auto* w = dynamic_cast<const Win32ResourceModule*>(m);
        if (!w)
            continue;
        if (HMENU menu = LoadMenuA(w->Handle(), MAKEINTRESOURCEA(id)))
            return menu;
    }
    return nullptr;
}

HMENU LoadUiMenu() {
    return LoadMenuFrom(IDR_CONTEXT_MENU, UiLanguage(), ProgramResources());
}
