#pragma once
// Initialization files: "key=value" entries in "[section]"s, as the system reads them.
// Implemented in src/win32/port; tests use tests/fakes/fake_ini_file.
#include <string>

class IIniFile {
public:
    virtual ~IIniFile() = default;
    // The entry's value, or `defaultValue` when the file, the section or the entry is missing.
    virtual std::string ReadString(const std::string& file, const std::string& section,
                                   const std::string& key,
                                   const std::string& defaultValue) const = 0;
    // Writes the entry, creating the file and the section as needed.
    virtual bool WriteString(const std::string& file, const std::string& section,
                             const std::string& key, const std::string& value) = 0;
};
