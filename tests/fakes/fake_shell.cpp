#include "fakes/fake_shell.h"

#include <cstdio>

bool FakeShell::CreateShortcut(const std::string& target, const std::string& linkPath,
                               const std::string& description) {
    shortcuts.push_back({target, linkPath, description});
    if (!writeLinkFiles)
        return true;
    std::FILE* f = std::fopen(linkPath.c_str(), "wb");
    if (!f)
        return false;
    std::fputs(target.c_str(), f);
    return std::fclose(f) == 0;
}

bool FakeShell::StartProcess(const std::string& path) {
    started.push_back(path);
    return startSucceeds;
}

bool FakeShell::DeleteOnReboot(const std::string& path) {
    deleteOnReboot.push_back(path);
    return true;
}
