#pragma once
#include <functional>

#include "app/collection_store.h"
#include "fakes/call_log.h"

// Logs each load and save; `onLoadActive` stands in for what the file would set.
class FakeCollectionStore final : public ICollectionStore {
public:
    explicit FakeCollectionStore(CallLog& log) : m_log(log) {}

    std::function<void(CServiceWnd&)> onLoadActive;

    void LoadActiveCollection(CServiceWnd& s) override {
        m_log.Add("load active");
        if (onLoadActive)
            onLoadActive(s);
    }
    void LoadCollections(CServiceWnd&) override { m_log.Add("load collections"); }
    void SaveActiveCollection(CServiceWnd&) override { m_log.Add("save active"); }
    void SaveModifiedCollections(CServiceWnd&) override { m_log.Add("save modified"); }

private:
    CallLog& m_log;
};
