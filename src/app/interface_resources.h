#pragma once
// The menu font and the interface language library the service window holds (m_font,
// m_hLangDll, m_nLanguage).
class CServiceWnd;

class IInterfaceResources {
public:
    virtual ~IInterfaceResources() = default;
    // Builds m_font from the "Font" setting and makes it the service window's font.
    virtual void CreateMenuFont(CServiceWnd& service) = 0;
    virtual void DeleteMenuFont(CServiceWnd& service) = 0;
    // Loads the library of language `index` into m_hLangDll and sets m_nLanguage; a missing
    // library leaves English (m_nLanguage 0).
    virtual void LoadLanguage(CServiceWnd& service, int index) = 0;
    virtual void FreeLanguage(CServiceWnd& service) = 0;
};
