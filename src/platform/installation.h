#pragma once
// The program's own installation: the autostart registration, the entry in the list of
// installed programs and the start-menu shortcut.
#include <string>

// Results of CheckInstalledCopy.
enum : int {
    INSTALL_OTHER_COPY = 0, // another copy is registered at a different path (check only)
    INSTALL_THIS_COPY = 1,  // this copy is registered, or the registered file is gone
    INSTALL_DONE = 2,       // installed over the registered copy and started it
    INSTALL_NOT_REGISTERED = 11,
    INSTALL_RENAME_FAILED = 12,
    INSTALL_COPY_FAILED = 13,
    INSTALL_START_FAILED = 15,
};

class IInstallation {
public:
    virtual ~IInstallation() = default;
    virtual int CheckInstalledCopy(bool install) = 0;
    // Registers this copy where needed; true when autostart is disabled.
    virtual bool RegisterInstallation() = 0;
    virtual void Uninstall() = 0;
    // The system's text for the error of the last failed operation.
    virtual std::string LastErrorText() const = 0;
};
