#include "store/safe_file.h"

#include "platform/files.h"

#include <utility>

SafeFileWriter::SafeFileWriter(std::string path)
    : m_path(std::move(path)), m_tempPath(m_path + ".tmp") {
    m_file = std::fopen(m_tempPath.c_str(), "wb");
    if (m_file)
        std::setvbuf(m_file, nullptr, _IOFBF, 1 << 16);
}

SafeFileWriter::~SafeFileWriter() {
    Discard();
}

void SafeFileWriter::Discard() {
    if (!m_file)
        return;
    std::fclose(m_file);
    m_file = nullptr;
    files::Remove(m_tempPath);
}

bool SafeFileWriter::Commit(const std::string& backupPath) {
    if (!m_file)
        return false;
    if (std::ferror(m_file) || !files::Sync(m_file)) {
        Discard();
        return false;
    }
    bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    if (!closed) {
        files::Remove(m_tempPath);
        return false;
    }
    if (!backupPath.empty()) {
        files::Remove(backupPath);
        // A backup that cannot be made must not stop the save itself.
        if (files::Exists(m_path) && !files::Copy(m_path, backupPath))
            files::Remove(backupPath);
    }
    if (!files::Replace(m_tempPath, m_path)) {
        files::Remove(m_tempPath);
        return false;
    }
    return true;
}
