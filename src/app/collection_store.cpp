#include "app/collection_store.h"

#include "app/service_wnd.h"

namespace {
// The collection files of the program folder.
class ProgramStore final : public ICollectionStore {
public:
    // HOOK(collection files): LoadActiveCollection reads "Clipboard.qbx" into the
    // preferences and m_activeList.
    void LoadActiveCollection(CServiceWnd&) override {}
    // HOOK(collections): LoadCollections fills m_collectionList from the .qbx files.
    void LoadCollections(CServiceWnd&) override {}
    // HOOK(collection files): SaveActiveCollection writes "Clipboard.qbx".
    void SaveActiveCollection(CServiceWnd&) override {}
    // HOOK(collections): SaveModifiedCollections.
    void SaveModifiedCollections(CServiceWnd&) override {}
};
} // namespace

ICollectionStore& ProgramCollectionStore() {
    static ProgramStore store;
    return store;
}
