#pragma once
#include <functional>

#include "app/collection_store.h"
#include "fakes/call_log.h"

// Logs each load and save; `onLoadActive` stands in for what the file would set.
class FakeCollectionStore final : public ICollectionStore {
public:
    explicit FakeCollectionStore(CallLog& log) : m_log(log) {}

    std::function<void(CServiceWnd&)> onLoadActive;
    std::function<void(CServiceWnd&)> onSaveActive; // sees what would be written, also by
                                                    // SaveAndReload

    void LoadActiveCollection(CServiceWnd& s) override {
        m_log.Add("load active");
        if (onLoadActive)
            onLoadActive(s);
    }
    void LoadCollections(CServiceWnd&) override { m_log.Add("load collections"); }
    void SaveActiveCollection(CServiceWnd& s) override {
        m_log.Add("save active");
        if (onSaveActive)
            onSaveActive(s);
    }
    void SaveModifiedCollections(CServiceWnd&) override { m_log.Add("save modified"); }
    bool SaveAndReload(CServiceWnd& s) override {
        m_log.Add("save and reload");
        if (onSaveActive)
            onSaveActive(s);
        return true;
    }
    void ShowNotices() override { m_log.Add("show notices"); }

private:
    CallLog& m_log;
};
