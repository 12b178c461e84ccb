#include "interface_resources_win32.h"

#include <windows.h>

#include "app/service_wnd.h"
#include "win32/handles.h"

void Win32InterfaceResources::CreateMenuFont(CServiceWnd& /*service*/) {
    // HOOK(settings): CreateMenuFont from the "Font" setting, made the service window's font.
}

void Win32InterfaceResources::DeleteMenuFont(CServiceWnd& service) {
    if (service.m_font)
        DeleteObject(reinterpret_cast<HFONT>(service.m_font));
    service.m_font = 0;
}

void Win32InterfaceResources::LoadLanguage(CServiceWnd& service, int /*index*/) {
    // HOOK(settings): LoadLanguage loads "Quillbox%s.dll" from the program folder. Until
    // then the program's own (English) texts are used.
    service.m_nLanguage = 0;
}

void Win32InterfaceResources::FreeLanguage(CServiceWnd& service) {
    if (service.m_hLangDll)
        FreeLibrary(reinterpret_cast<HMODULE>(service.m_hLangDll));
    service.m_hLangDll = 0;
}
