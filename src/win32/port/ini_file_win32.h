#pragma once
// Initialization files through the system's profile functions, so that the file is what
// Windows tools expect.
#include "platform/ini_file.h"

class Win32IniFile : public IIniFile {
public:
    std::string ReadString(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& defaultValue) const override;
    bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override;
};
