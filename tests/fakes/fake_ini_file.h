#pragma once
// In-memory initialization files: sections and keys compare without regard to case.
#include "fakes/fake_text.h"
#include "platform/ini_file.h"

#include <map>
#include <string>
#include <tuple>

class FakeIniFile : public IIniFile {
public:
    std::string ReadString(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& defaultValue) const override {
        auto it = m_entries.find(Id(file, section, key));
        return it == m_entries.end() ? defaultValue : it->second;
    }
    bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override {
        if (failWrites)
            return false;
        m_entries[Id(file, section, key)] = value;
        return true;
    }

    void DeleteFile(const std::string& file) {
        for (auto it = m_entries.begin(); it != m_entries.end();)
            it = std::get<0>(it->first) == file ? m_entries.erase(it) : std::next(it);
    }
    bool failWrites = false; // like a read-only program folder

private:
    using EntryId = std::tuple<std::string, std::string, std::string>;
    static EntryId Id(const std::string& file, const std::string& section, const std::string& key) {
        return {file, LowerCase(section), LowerCase(key)};
    }
    std::map<EntryId, std::string> m_entries;
};
