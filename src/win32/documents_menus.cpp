#include "documents_menus.h"

#include "ui/documents_menu.h"

namespace {
UniqueMenu Realize(const MenuModel& model) {
    UniqueMenu popup(CreatePopupMenu());
    // A popup the system would not fill completely still shows what it holds.
    if (popup)
        AppendEntries(popup.Get(), model, SharedPopups());
    return popup;
}
} // namespace

void CDocumentsMenus::Build(IRegistryLists& registry, IDocumentShell& shell) {
    Free();
    m_openSaveModel = BuildOpenSaveMenu(registry, shell);
    m_recentModel = BuildRecentDocsMenu(registry, shell);
    m_openSave = Realize(*m_openSaveModel);
    m_recent = Realize(*m_recentModel);
}

void CDocumentsMenus::Free() {
    FreeEntryMenu(m_openSave.Release());
    FreeEntryMenu(m_recent.Release());
    m_openSaveModel.reset();
    m_recentModel.reset();
}
