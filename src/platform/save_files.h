#pragma once
// The file operations by which a collection file is written without ever leaving a broken
// file behind. Implemented in src/win32/port (Windows) and src/posix (native).
#include <cstdio>
#include <string>

enum class WriteOverResult {
    Written,
    Untouched, // the target could not be opened for writing
    Broken,    // writing stopped part of the way: the target may be damaged
};

class ISaveFiles {
public:
    virtual ~ISaveFiles() = default;
    // Creates the file `path` for writing; null when anything of that name exists already,
    // or it cannot be made.
    virtual std::FILE* CreateNew(const std::string& path) = 0;
    // Flushes `file` down to the disk and closes it, also on failure. False when any of its
    // bytes may not have reached the disk (a full disk shows here).
    virtual bool Finish(std::FILE* file) = 0;
    // Puts the file `source` in the place of `target` (same folder) in one step.
    virtual bool Replace(const std::string& source, const std::string& target) = 0;
    // Writes the bytes of `source` over the existing file `target`, which then ends where
    // they end, and flushes it to the disk: for a target that another program holds open,
    // which cannot be replaced.
    virtual WriteOverResult WriteOver(const std::string& source, const std::string& target) = 0;
    // Opens the existing file `path` for reading, beside programs that hold it open; null
    // when it cannot be read.
    virtual std::FILE* OpenRead(const std::string& path) = 0;
    // Copies `from` to the new file `to`; fails when `to` exists.
    virtual bool CopyNew(const std::string& from, const std::string& to) = 0;
    // The system's text for the error of the last of these operations that failed; read it
    // before calling the system again.
    virtual std::string ErrorText() const = 0;
};

// The files of the system. Holds no state: it may be shared by anyone.
ISaveFiles& SystemSaveFiles();
