#include "fakes/fake_ini_file.h"

#include "fakes/lower_case.h"

FakeIniFile::EntryId FakeIniFile::Id(const std::string& file, const std::string& section,
                                     const std::string& key) {
    return {file, LowerCase(section), LowerCase(key)};
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
