#pragma once
// The installation as start-up and shutdown use it (store/installation.h does the work).
#include <string>

#include "store/installation.h" // the INSTALL_ result codes

class IInstallation {
public:
    virtual ~IInstallation() = default;
    virtual int CheckInstalledCopy(bool install) = 0;
    // Registers this copy where needed; true when autostart is disabled.
    virtual bool RegisterInstallation() = 0;
    virtual void Uninstall() = 0;
    // "Disable autostart" flipped: the autostart entry follows.
    virtual void SetAutostart(bool enabled) = 0;
    // The system's text for the error that stopped the last installation.
    virtual std::string LastErrorText() const = 0;
};
