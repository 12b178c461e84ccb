#include "fakes/fake_ini_file.h"

#include <cctype>

namespace {
std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}
} // namespace

FakeIniFile::EntryId FakeIniFile::Id(const std::string& file, const std::string& section,
                                     const std::string& key) {
    return {file, Lower(section), Lower(key)};
}

std::string FakeIniFile::ReadString(const std::string& file, const std::string& section,
                                    const std::string& key, const std::string& defaultValue) const {
    auto it = m_entries.find(Id(file, section, key));
    return it == m_entries.end() ? defaultValue : it->second;
}

bool FakeIniFile::WriteString(const std::string& file, const std::string& section,
                              const std::string& key, const std::string& value) {
    if (failWrites)
        return false;
    m_entries[Id(file, section, key)] = value;
    return true;
}

void FakeIniFile::DeleteFile(const std::string& file) {
    for (auto it = m_entries.begin(); it != m_entries.end();)
        it = std::get<0>(it->first) == file ? m_entries.erase(it) : std::next(it);
}
