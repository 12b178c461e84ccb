#pragma once
// Writes a file so that a crash or a full disk during the write never leaves a truncated
// or empty file: the new content goes to a temporary file of its own in the same folder, is
// flushed to the disk, and only then takes the old file's place.
#include <cstdio>
#include <string>

class ISaveFiles;

// The temporary file of the `attempt`th try to write `path`: "<path>.<attempt>.tmp".
std::string SaveTempPath(const std::string& path, unsigned attempt);

// True for the names the writer gives its temporary files when it writes a collection file
// ("x.qbx.7.tmp"), and for the one earlier versions gave them ("x.qbx.tmp"). `target` is
// then the name of the file it was written for.
bool IsSaveTempName(const std::string& name, std::string& target);

class SafeFileWriter {
public:
    SafeFileWriter(std::string path, ISaveFiles& files);
    ~SafeFileWriter(); // without Commit the temporary file is removed, the target untouched
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // The temporary file to write to; null when none could be created.
    std::FILE* File() const { return m_file; }

    // Flushes and closes the temporary file and puts it in the target's place; when the
    // target cannot be replaced (another program holds it open), writes it over the target
    // instead. With a backup path, the target's previous content is kept there first (any
    // older backup goes; with no previous target there is no backup). False when the file
    // was not written; the target is then as it was, unless writing over it broke off, in
    // which case the temporary file stays as the whole copy.
    bool Commit(const std::string& backupPath = std::string());

    // The system's text for what stopped the writer; empty while nothing did.
    const std::string& Error() const { return m_error; }

private:
    void Discard();

    std::string m_path;
    ISaveFiles& m_files;
    std::string m_tempPath;
    std::FILE* m_file = nullptr;
    std::string m_error;
};
