#pragma once
// Records what installation asks of the shell. Shortcuts are written as small files, so
// that their removal can be seen on disk.
#include "platform/shell.h"

#include <string>
#include <vector>

class FakeShell : public IShell {
public:
    std::string ProgramsFolder() const override { return programsFolder; }
    bool CreateShortcut(const std::string& target, const std::string& linkPath,
                        const std::string& description) override;
    bool StartProcess(const std::string& path) override;
    bool DeleteOnReboot(const std::string& path) override;

    std::string programsFolder;
    bool startSucceeds = true;
    bool writeLinkFiles = true;

    struct Shortcut {
        std::string target, linkPath, description;
    };
    std::vector<Shortcut> shortcuts;
    std::vector<std::string> started;
    std::vector<std::string> deleteOnReboot;
};
