#include "store/safe_file.h"

#include "platform/files.h"
#include "platform/save_files.h"
#include "store/no_case.h"

#include <cctype>
#include <utility>

namespace {
// Names taken by something else (a stray file, a folder) are passed over; this many are
// more than any folder holds by accident.
constexpr unsigned kTempAttempts = 100;
} // namespace

std::string SaveTempPath(const std::string& path, unsigned attempt) {
    return path + "." + std::to_string(attempt) + ".tmp";
}

bool IsSaveTempName(const std::string& name, std::string& target) {
    if (!EndsWithNoCase(name, ".tmp"))
        return false;
    std::string rest = name.substr(0, name.size() - 4);
    const size_t dot = rest.rfind('.');
    if (dot != std::string::npos && dot + 1 < rest.size()) {
        bool digits = true;
        for (size_t i = dot + 1; i < rest.size(); ++i)
            digits = digits && std::isdigit(static_cast<unsigned char>(rest[i]));
        if (digits)
            rest.resize(dot);
    }
    if (!EndsWithNoCase(rest, ".qbx") || rest.size() == 4)
        return false;
    target = rest;
    return true;
}

SafeFileWriter::SafeFileWriter(std::string path, ISaveFiles& files)
    : m_path(std::move(path)), m_files(files) {
    for (unsigned attempt = 1; attempt <= kTempAttempts && !m_file; ++attempt) {
        m_tempPath = SaveTempPath(m_path, attempt);
        m_file = m_files.CreateNew(m_tempPath);
    }
    if (m_file)
        std::setvbuf(m_file, nullptr, _IOFBF, 1 << 16);
    else
        m_error = m_files.ErrorText();
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
    std::FILE* file = std::exchange(m_file, nullptr);
    if (!m_files.Finish(file)) {
        m_error = m_files.ErrorText();
        files::Remove(m_tempPath);
        return false;
    }
    if (!backupPath.empty()) {
        files::Remove(backupPath);
        // A backup that cannot be made must not stop the save itself.
        if (files::Exists(m_path) && !m_files.CopyNew(m_path, backupPath))
            files::Remove(backupPath);
    }
    if (m_files.Replace(m_tempPath, m_path))
        return true;
    const std::string replaceError = m_files.ErrorText();
    switch (m_files.WriteOver(m_tempPath, m_path)) {
    case WriteOverResult::Written:
        files::Remove(m_tempPath);
        return true;
    case WriteOverResult::Broken:
        // The target may be damaged now: the temporary file is the one whole copy.
        m_error = m_files.ErrorText();
        return false;
    case WriteOverResult::Untouched:
        break;
    }
    m_error = replaceError;
    files::Remove(m_tempPath);
    return false;
}
