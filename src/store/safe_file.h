#pragma once
// Writes a file so that a crash or a full disk during the write never leaves a truncated
// or empty file: the new content goes to a temporary file in the same folder, is flushed
// to the disk, and only then takes the old file's place.
#include <cstdio>
#include <string>

class SafeFileWriter {
public:
    explicit SafeFileWriter(std::string path);
    ~SafeFileWriter(); // without Commit the temporary file is removed, the target untouched
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // The temporary file to write to; null when it could not be created.
    std::FILE* File() const { return m_file; }

    // Flushes and closes the temporary file and puts it in the target's place. With a
    // backup path, the target's previous content is kept there first (any older backup
    // goes; with no previous target there is no backup). False when anything failed; the
    // target is then as it was.
    bool Commit(const std::string& backupPath = std::string());

private:
    void Discard();

    std::string m_path;
    std::string m_tempPath;
    std::FILE* m_file = nullptr;
};
