#pragma once
#include "platform/installation.h"

class Win32Installation final : public IInstallation {
public:
    int CheckInstalledCopy(bool install) override;
    bool RegisterInstallation() override;
    void Uninstall() override;
    std::string LastErrorText() const override;
};
