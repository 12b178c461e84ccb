#pragma once
// In-memory initialization files: sections and keys compare without regard to case.
#include "platform/ini_file.h"

#include <map>
#include <string>
#include <tuple>

class FakeIniFile : public IIniFile {
public:
    std::string ReadString(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& defaultValue) const override;
    bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override;

    void DeleteFile(const std::string& file);
    bool failWrites = false; // like a read-only program folder

private:
    using EntryId = std::tuple<std::string, std::string, std::string>;
    static EntryId Id(const std::string& file, const std::string& section, const std::string& key);
    std::map<EntryId, std::string> m_entries;
};
