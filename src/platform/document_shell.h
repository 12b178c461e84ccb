#pragma once
// The shell as the documents and address submenus need it: drives, files, shell links and
// opening a document or an address with the program the system associates with it.
// Implemented in src/win32/port; tests use tests/fakes/fake_document_shell.
#include <string>

class IDocumentShell {
public:
    virtual ~IDocumentShell() = default;
    // The drive root (such as "C:\") is a fixed disk.
    virtual bool IsFixedDrive(const std::string& root) const = 0;
    virtual bool FileExists(const std::u16string& path) const = 0;
    // The shell link at `linkPath` leads to a file (not a folder) on a fixed disk that
    // exists; with `open` that file is then opened. False when the link cannot be read.
    virtual bool ResolveShortcut(const std::u16string& linkPath, bool open) = 0;
    // Opens a file or an address with its default verb, shown as the program prefers.
    virtual void Open(const std::u16string& target) = 0;
    // Prints the file with the program registered for its kind, showing no window; false
    // when the shell reports failure.
    virtual bool Print(const std::string& path) = 0;
    // Opens the file with its default verb, shown normally, in the file's own folder; false
    // when the shell reports failure.
    virtual bool OpenFile(const std::string& path) = 0;
    // Starts `file` (a program, a document or an address) with `parameters`; false when the
    // shell reports failure.
    virtual bool Execute(const std::string& file, const std::string& parameters) = 0;
};
