#pragma once
// Records what installation asks of the shell. Shortcuts are written as small files, so
// that their removal can be seen on disk.
#include "platform/shell.h"

#include <cstdio>
#include <string>
#include <vector>

class FakeShell : public IShell {
public:
    std::string ProgramsFolder() const override { return programsFolder; }
    bool CreateShortcut(const std::string& target, const std::string& linkPath,
                        const std::string& description) override {
        shortcuts.push_back({target, linkPath, description});
        if (!writeLinkFiles)
            return true;
        std::FILE* f = std::fopen(linkPath.c_str(), "wb");
        if (!f)
            return false;
        std::fputs(target.c_str(), f);
        return std::fclose(f) == 0;
    }
    bool StartProcess(const std::string& path) override {
        started.push_back(path);
        return startSucceeds;
    }
    bool DeleteOnReboot(const std::string& path) override {
        deleteOnReboot.push_back(path);
        return true;
    }

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
