#include "win32/port/ini_file_win32.h"

#include <windows.h>

#include <vector>

std::string Win32IniFile::ReadString(const std::string& file, const std::string& section,
                                     const std::string& key,
                                     const std::string& defaultValue) const {
    // The function cuts the value to the buffer and then returns size - 1: grow until it fits.
    for (DWORD size = 512; size <= 65536; size *= 2) {
        std::vector<char> buf(size, '\0');
        DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                           buf.data(), size, file.c_str());
        if (n < size - 1)
            return std::string(buf.data(), n);
    }
    return defaultValue;
}

bool Win32IniFile::WriteString(const std::string& file, const std::string& section,
                               const std::string& key, const std::string& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) !=
           0;
}
