#include "app/collection_store.h"

#include "app/service_state.h"
#include "platform/system.h"
#include "platform/service_window.h"
#include "platform/ui_strings.h"
#include "platform/win_constants.h"
#include "resource.h"
#include "store/collection_file.h"
#include "store/collection_list.h"
#include "store/placeholders.h"

ProgramCollectionStore::ProgramCollectionStore(const IScreen& screen, IMessageBox& messages,
                                               ISaveFiles& files)
    : m_screen(screen), m_messages(messages), m_files(files) {}

void ProgramCollectionStore::LoadActiveCollection(ServiceState& state) {
    ::LoadActiveCollection(state, state.m_activeList, m_screen.Size());
}

void ProgramCollectionStore::LoadCollections(ServiceState& state) {
    RemoveStraySaveFiles();
    ::LoadCollections(state.m_collectionList);
}

void ProgramCollectionStore::SaveActiveCollection(ServiceState& state) {
    SaveActive(state);
}

void ProgramCollectionStore::SaveModifiedCollections(ServiceState& state) {
    SaveModified(state);
}

bool ProgramCollectionStore::SaveAndReload(ServiceState& state) {
    const bool activeSaved = SaveActive(state);
    if (!SaveModified(state) || !activeSaved)
        return false;
    ReloadCollections(state, state.m_activeList, state.m_collectionList, m_screen.Size());
    return true;
}

bool ProgramCollectionStore::SaveActive(ServiceState& state) {
    return Note(::SaveActiveCollection(state, state.m_activeList, m_files));
}

bool ProgramCollectionStore::SaveModified(ServiceState& state) {
    bool saved = true;
    for (auto& node : state.m_collectionList)
        if ((node->flags & CLIP_MODIFIED) && !Note(SaveCollection(*node, state, m_files)))
            saved = false;
    return saved;
}

bool ProgramCollectionStore::Note(const SaveReport& report) {
    if (!report.keptAs.empty())
        AddNotice(
            FillPlaceholders(LoadUiString(IDS_DAMAGED_FILE_KEPT), {report.path, report.keptAs}));
    if (report.saved) {
        m_failing.erase(report.path);
        return true;
    }
    // Told once; every later save tries again, and the next failure after a success is
    // told anew.
    if (m_failing.insert(report.path).second)
        AddNotice(FillPlaceholders(LoadUiString(IDS_SAVE_FAILED), {report.path, report.error}));
    return false;
}

void ProgramCollectionStore::AddNotice(std::string text) {
    const bool first = m_notices.empty() && !m_showing;
    m_notices.push_back(std::move(text));
    if (first && m_window)
        m_window->PostCommand(0, ID_SHOW_FILE_NOTICES);
}

void ProgramCollectionStore::ShowNotices() {
    // Notices that come while a box is open are shown after it, by the loop below.
    if (m_showing)
        return;
    m_showing = true;
    while (!m_notices.empty()) {
        const std::string text = m_notices.front();
        m_notices.erase(m_notices.begin());
        m_messages.Show(text, LoadUiString(IDR_MAINFRAME),
                        win::MB_ICONEXCLAMATION | win::MB_TOPMOST);
    }
    m_showing = false;
}
