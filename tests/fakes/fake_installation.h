#pragma once
#include "fakes/call_log.h"
#include "app/install_port.h"

class FakeInstallation final : public IInstallation {
public:
    explicit FakeInstallation(CallLog& log) : m_log(log) {}

    int checkAnswer = INSTALL_THIS_COPY; // CheckInstalledCopy(false)
    int installAnswer = INSTALL_DONE;    // CheckInstalledCopy(true)
    bool autostartDisabled = false;
    std::string errorText = "The system cannot find the file specified.";

    int CheckInstalledCopy(bool install) override {
        m_log.Add(install ? "install" : "check");
        return install ? installAnswer : checkAnswer;
    }
    bool RegisterInstallation() override {
        m_log.Add("register");
        return autostartDisabled;
    }
    void Uninstall() override { m_log.Add("uninstall"); }
    void SetAutostart(bool enabled) override {
        m_log.Add(enabled ? "autostart on" : "autostart off");
    }
    std::string LastErrorText() const override { return errorText; }

private:
    CallLog& m_log;
};
