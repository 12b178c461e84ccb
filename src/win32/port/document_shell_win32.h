#pragma once
// Drives, files, shell links and opening documents through the shell.
#include "platform/document_shell.h"

class Win32DocumentShell : public IDocumentShell {
public:
    bool IsFixedDrive(const std::string& root) const override;
    bool FileExists(const std::u16string& path) const override;
    bool ResolveShortcut(const std::u16string& linkPath, bool open) override;
    void Open(const std::u16string& target) override;
    bool Print(const std::string& path) override;
    bool OpenFile(const std::string& path) override;
    bool Execute(const std::string& file, const std::string& parameters) override;
};
