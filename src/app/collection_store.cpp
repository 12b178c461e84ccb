#include "app/collection_store.h"

#include "app/service_wnd.h"
#include "platform/screen.h"
#include "store/collection_file.h"
#include "store/collection_list.h"

namespace {
// The collection files of the program folder.
class ProgramStore final : public ICollectionStore {
public:
    explicit ProgramStore(const IScreen& screen) : m_screen(screen) {}

    void LoadActiveCollection(CServiceWnd& service) override {
        ::LoadActiveCollection(service, service.m_activeList, m_screen.Size());
    }
    void LoadCollections(CServiceWnd& service) override {
        ::LoadCollections(service.m_collectionList);
    }
    // A write that fails leaves the previous file whole; at shutdown there is nobody to
    // tell, and the next start reads that file.
    void SaveActiveCollection(CServiceWnd& service) override {
        ::SaveActiveCollection(service, service.m_activeList);
    }
    void SaveModifiedCollections(CServiceWnd& service) override {
        ::SaveModifiedCollections(service.m_collectionList, service);
    }
    bool SaveAndReload(CServiceWnd& service) override {
        return ::SaveAndReload(service, service.m_activeList, service.m_collectionList,
                               m_screen.Size());
    }

private:
    const IScreen& m_screen;
};
} // namespace

ICollectionStore& ProgramCollectionStore(const IScreen& screen) {
    static ProgramStore store(screen);
    return store;
}
