#include "store/installation.h"

#include "platform/files.h"
#include "store/no_case.h"
#include "store/settings.h"
#include "store/trim.h"

#include <algorithm>

const char* const PRODUCT_NAME = "Quillbox";
const char* const PRODUCT_GUID = "{5B0E7C3A-92D4-4F1B-A86E-1C7D3F9B24E5}";
const char* const PRODUCT_VERSION = "3.1";
const char* const PRODUCT_PUBLISHER = "Quillworks";
const char* const PRODUCT_HOME_PAGE = "https://quillbox.example.org/";
const char* const RUN_KEY = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char* const UNINSTALL_KEY = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
                                  "{5B0E7C3A-92D4-4F1B-A86E-1C7D3F9B24E5}";
const char* const NOAUTO_WORD = "NOAUTO";

namespace {

const char* const kUninstallValues[] = {"DisplayIcon",     "DisplayName",  "DisplayVersion",
                                        "HelpLink",        "InstallDate",  "Publisher",
                                        "UninstallString", "URLInfoAbout", "URLUpdateInfo"};

const char* const kWindowsFolder = "C:\\WINDOWS";

size_t FileNameStart(const std::string& path) {
    size_t sep = path.find_last_of("\\/");
    return sep == std::string::npos ? 0 : sep + 1;
}

// Joins with the separator the folder already uses (the native tests use '/').
std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    char last = folder.back();
    if (last == '\\' || last == '/')
        return folder + name;
    bool slashes = folder.find('/') != std::string::npos && folder.find('\\') == std::string::npos;
    return folder + (slashes ? '/' : '\\') + name;
}

bool ReadAutostart(const IRegistry& registry, std::string& value) {
    return registry.ReadString(RegHive::CurrentUser, RUN_KEY, PRODUCT_NAME, value);
}

std::string FormatDate(const CivilDate& d) {
    auto two = [](unsigned v) { return (v < 10 ? "0" : "") + std::to_string(v % 100); };
    std::string year = std::to_string(d.year % 10000);
    return std::string(4 - year.size(), '0') + year + two(d.month) + two(d.day);
}

} // namespace

AutostartEntry ParseAutostartValue(const std::string& value) {
    AutostartEntry entry;
    std::string rest;
    if (!value.empty() && value[0] == '"') {
        // A path in quotes (as other tools write it): the path is what the quotes hold.
        size_t close = value.find('"', 1);
        entry.path = value.substr(1, close == std::string::npos ? std::string::npos : close - 1);
        if (close != std::string::npos)
            rest = value.substr(close + 1);
    } else {
        // The path ends four characters after the last '.': a three-letter extension.
        size_t dot = value.rfind('.');
        size_t cut = dot == std::string::npos ? value.size() : std::min(value.size(), dot + 4);
        entry.path = value.substr(0, cut);
        rest = value.substr(cut);
    }
    entry.disabled = !rest.empty() && (rest[0] == ' ' || rest[0] == '\t') &&
                     EqualsNoCase(Trim(rest), NOAUTO_WORD);
    return entry;
}

std::string AutostartValue(const std::string& exePath, bool enabled) {
    return enabled ? exePath : exePath + " " + NOAUTO_WORD;
}

std::string ReplaceExtension(const std::string& path, const std::string& ext) {
    size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < FileNameStart(path))
        return path + ext;
    return path.substr(0, dot) + ext;
}

std::string ShortcutPath(const IShell& shell) {
    std::string folder = shell.ProgramsFolder();
    if (folder.empty())
        folder = kWindowsFolder;
    return JoinPath(folder, std::string(PRODUCT_NAME) + ".lnk");
}

int CheckInstalledCopy(const InstallContext& ctx, bool install) {
    std::string value;
    if (!ReadAutostart(ctx.registry, value))
        return INSTALL_NOT_REGISTERED;
    const std::string registered = ParseAutostartValue(value).path;
    if (registered.find('.') == std::string::npos || EqualsNoCase(registered, ctx.exePath) ||
        !files::Exists(registered))
        return INSTALL_THIS_COPY;
    if (!install)
        return INSTALL_OTHER_COPY;

    const std::string old = ReplaceExtension(registered, ".old");
    files::Remove(old);
    if (!files::Rename(registered, old))
        return INSTALL_RENAME_FAILED;
    if (!files::Copy(ctx.exePath, registered)) {
        // Keep the user's working copy in place rather than leave only the ".old" file.
        unsigned error = ctx.lastError.Get();
        files::Remove(registered);
        files::Rename(old, registered);
        ctx.lastError.Set(error);
        return INSTALL_COPY_FAILED;
    }
    // The user guide and the hot-icon picture travel along when they exist.
    for (const char* ext : {".doc", ".bmp"})
        files::Copy(ReplaceExtension(ctx.exePath, ext), ReplaceExtension(registered, ext));
    return ctx.shell.StartProcess(registered) ? INSTALL_DONE : INSTALL_START_FAILED;
}

bool RegisterInstallation(const InstallContext& ctx, const CivilDate& today) {
    std::string value;
    bool present = ReadAutostart(ctx.registry, value);
    AutostartEntry entry = ParseAutostartValue(value);
    bool disabled = present && entry.disabled;
    bool changed = false;
    if (!present || !EqualsNoCase(entry.path, ctx.exePath)) {
        ctx.registry.WriteString(RegHive::CurrentUser, RUN_KEY, PRODUCT_NAME,
                                 AutostartValue(ctx.exePath, !disabled));
        changed = true;
    }
    std::string uninstall;
    if (!changed &&
        ctx.registry.ReadString(RegHive::LocalMachine, UNINSTALL_KEY, "UninstallString", uninstall))
        return disabled;

    // An older version may have registered itself for all users.
    ctx.registry.DeleteValue(RegHive::LocalMachine, RUN_KEY, PRODUCT_NAME);
    ctx.shell.CreateShortcut(ctx.exePath, ShortcutPath(ctx.shell), PRODUCT_NAME);
    if (!ctx.registry.CreateKey(RegHive::LocalMachine, UNINSTALL_KEY))
        return disabled;
    const std::string values[] = {ctx.exePath,
                                  PRODUCT_NAME,
                                  PRODUCT_VERSION,
                                  PRODUCT_HOME_PAGE,
                                  FormatDate(today),
                                  PRODUCT_PUBLISHER,
                                  ctx.exePath + " UNINSTALL",
                                  PRODUCT_HOME_PAGE,
                                  PRODUCT_HOME_PAGE};
    for (size_t i = 0; i < sizeof values / sizeof values[0]; ++i)
        ctx.registry.WriteString(RegHive::LocalMachine, UNINSTALL_KEY, kUninstallValues[i],
                                 values[i]);
    return disabled;
}

void SetAutostart(const InstallContext& ctx, bool enabled) {
    std::string wanted = AutostartValue(ctx.exePath, enabled);
    std::string current;
    if (ReadAutostart(ctx.registry, current) && EqualsNoCase(current, wanted))
        return;
    ctx.registry.WriteString(RegHive::CurrentUser, RUN_KEY, PRODUCT_NAME, wanted);
}

void Uninstall(const InstallContext& ctx) {
    ctx.registry.DeleteValue(RegHive::CurrentUser, RUN_KEY, PRODUCT_NAME);
    // The publisher's key goes only when no other product of ours keeps a key under it.
    ctx.registry.DeleteKey(RegHive::CurrentUser, SETTINGS_REGISTRY_KEY);
    ctx.registry.DeleteKey(RegHive::CurrentUser, SETTINGS_PARENT_KEY);
    for (const char* name : kUninstallValues)
        ctx.registry.DeleteValue(RegHive::LocalMachine, UNINSTALL_KEY, name);
    files::Remove(ShortcutPath(ctx.shell));
    ctx.shell.DeleteOnReboot(ctx.exePath);
}
