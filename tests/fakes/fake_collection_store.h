#pragma once
#include <functional>

#include "app/collection_store.h"
#include "app/service_state.h"
#include "fakes/call_log.h"

// Logs each load and save; `onLoadActive` stands in for what the file would set.
class FakeCollectionStore final : public ICollectionStore {
public:
    explicit FakeCollectionStore(CallLog& log) : m_log(log) {}

    std::function<void(ServiceState&)> onLoadActive;
    std::function<void(ServiceState&)> onSaveActive; // sees what would be written, also by
                                                     // SaveAndReload

    void LoadActiveCollection(ServiceState& s) override {
        m_log.Add("load active");
        if (onLoadActive)
            onLoadActive(s);
    }
    void LoadCollections(ServiceState&) override { m_log.Add("load collections"); }
    void SaveActiveCollection(ServiceState& s) override {
        m_log.Add("save active");
        if (onSaveActive)
            onSaveActive(s);
    }
    void SaveModifiedCollections(ServiceState&) override { m_log.Add("save modified"); }
    bool SaveAndReload(ServiceState& s) override {
        m_log.Add("save and reload");
        if (onSaveActive)
            onSaveActive(s);
        return true;
    }
    void ShowNotices() override { m_log.Add("show notices"); }

private:
    CallLog& m_log;
};
