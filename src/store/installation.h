#pragma once
// The program installs itself: autostart value, entry in the list of installed programs,
// Start menu shortcut; a newer copy replaces the registered executable in place; and
// "UNINSTALL" removes it all again.
#include "platform/system.h"
#include "platform/registry.h"
#include "platform/shell.h"

#include <string>

// Names that are no user text: registry value names and the shortcut's file name stay the
// same whatever language is loaded.
extern const char* const PRODUCT_NAME;      // "Quillbox"
extern const char* const PRODUCT_GUID;      // the uninstall entry's key name
extern const char* const PRODUCT_VERSION;   // "3.1"
extern const char* const PRODUCT_PUBLISHER; // "Quillworks"
extern const char* const PRODUCT_HOME_PAGE;
extern const char* const RUN_KEY;       // autostart values
extern const char* const UNINSTALL_KEY; // the product's uninstall entry
extern const char* const NOAUTO_WORD;   // "NOAUTO"

// Results of CheckInstalledCopy.
enum : int {
    INSTALL_OTHER_COPY = 0, // another copy is registered at a different path and exists
    INSTALL_THIS_COPY = 1,  // this copy is registered, or the registered file is gone
    INSTALL_DONE = 2,       // installed over the registered copy and started it
    INSTALL_NOT_REGISTERED = 11,
    INSTALL_RENAME_FAILED = 12, // the registered executable could not become ".old"
    INSTALL_COPY_FAILED = 13,   // this executable could not be copied over it
    INSTALL_START_FAILED = 15,  // the installed copy could not be started
};

struct CivilDate {
    unsigned year = 0;
    unsigned month = 0;
    unsigned day = 0;
};

// What installation works with: the registry, the shell, the system's error code and the
// running executable's path.
struct InstallContext {
    IRegistry& registry;
    IShell& shell;
    ILastError& lastError;
    std::string exePath;
};

// The autostart value taken apart: the executable it names and whether " NOAUTO" follows.
struct AutostartEntry {
    std::string path;
    bool disabled = false;
};
AutostartEntry ParseAutostartValue(const std::string& value);
std::string AutostartValue(const std::string& exePath, bool enabled);

// `path` with its file name's extension replaced by `ext` (".old"), or `ext` appended when
// the file name has none.
std::string ReplaceExtension(const std::string& path, const std::string& ext);

// With install false, only tells whether another copy is registered (INSTALL_OTHER_COPY);
// with install true, replaces that copy's executable by this one and starts it. On a
// failure the system's error code is that of the step that failed.
int CheckInstalledCopy(const InstallContext& ctx, bool install);

// At every normal start: registers this copy for autostart when another path (or none) is
// registered, and writes the shortcut and the uninstall entry when they are missing or the
// path changed. Returns whether autostart is disabled.
bool RegisterInstallation(const InstallContext& ctx, const CivilDate& today);

// Rewrites the autostart value when it differs from what `enabled` asks for.
void SetAutostart(const InstallContext& ctx, bool enabled);

// Removes the registration and the settings key and has the executable deleted at the next
// restart. Collections and the settings file stay.
void Uninstall(const InstallContext& ctx);

// The Start menu shortcut's path.
std::string ShortcutPath(const IShell& shell);
