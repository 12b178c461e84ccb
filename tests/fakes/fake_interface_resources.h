#pragma once
#include <string>

#include "app/interface_resources.h"
#include "fakes/call_log.h"

class FakeInterfaceResources final : public IInterfaceResources {
public:
    explicit FakeInterfaceResources(CallLog& log) : m_log(log) {}

    void CreateMenuFont(CServiceWnd&) override { m_log.Add("font"); }
    void DeleteMenuFont(CServiceWnd&) override { m_log.Add("delete font"); }
    void LoadLanguage(CServiceWnd&, int index) override {
        m_log.Add("language " + std::to_string(index));
    }
    void FreeLanguage(CServiceWnd&) override { m_log.Add("free language"); }

private:
    CallLog& m_log;
};
