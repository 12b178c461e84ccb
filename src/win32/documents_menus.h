#pragma once
// The two documents popups: built once when the frame is created, attached to every main
// menu that shows them, and freed when the frame goes.
#include <memory>

#include "handles.h"
#include "menu_entries.h"
#include "ui/menu_model.h"

class IRegistryLists;
class IDocumentShell;

class CDocumentsMenus {
public:
    CDocumentsMenus() = default;
    ~CDocumentsMenus() { Free(); }
    CDocumentsMenus(const CDocumentsMenus&) = delete;
    CDocumentsMenus& operator=(const CDocumentsMenus&) = delete;

    // Reads the system's lists (later changes are seen at the next start).
    void Build(IRegistryLists& registry, IDocumentShell& shell);
    void Free();
    // Null handles when not built.
    SharedPopups Popups() const { return {m_openSave.Get(), m_recent.Get()}; }

private:
    // The models hold the texts the popups' entries point at: they go after the popups.
    std::unique_ptr<MenuModel> m_openSaveModel;
    std::unique_ptr<MenuModel> m_recentModel;
    UniqueMenu m_openSave;
    UniqueMenu m_recent;
};
