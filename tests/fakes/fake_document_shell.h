#pragma once
// A shell with a made-up file system: the fixed drive C:, existing files and shortcuts
// that lead to files. Records what it was asked to open or start.
#include "platform/document_shell.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

class FakeDocumentShell : public IDocumentShell {
public:
    bool IsFixedDrive(const std::string& root) const override { return root == "C:\\"; }
    bool FileExists(const std::u16string& path) const override { return files.count(path); }
    bool ResolveShortcut(const std::u16string& linkPath, bool open) override {
        resolved.push_back(linkPath);
        if (!shortcuts.count(linkPath))
            return false;
        if (open)
            opened.push_back(linkPath);
        return true;
    }
    void Open(const std::u16string& target) override { opened.push_back(target); }
    bool Print(const std::string& path) override {
        printed.push_back(path);
        return canPrint;
    }
    bool OpenFile(const std::string& path) override {
        openedFiles.push_back(path);
        return canOpen;
    }
    bool Execute(const std::string& file, const std::string& parameters) override {
        executed.emplace_back(file, parameters);
        return file != failingProgram;
    }

    std::set<std::u16string> files;
    std::set<std::u16string> shortcuts; // links that resolve to an existing file
    std::string failingProgram;         // Execute fails for this file
    std::vector<std::u16string> resolved;
    std::vector<std::u16string> opened;
    std::vector<std::pair<std::string, std::string>> executed;
    bool canPrint = true; // the kind has a program that prints it
    bool canOpen = true;
    std::vector<std::string> printed;
    std::vector<std::string> openedFiles;
};
