#pragma once
// Text as the fakes keep it. Names the system compares without regard to case (registry keys
// and values, settings entries, clipboard format names) are kept in lower case; wide text is
// kept as the system hands it over, UTF-16 little-endian (with its NUL).
#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

inline std::string LowerCase(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// UTF-16 little-endian, as the units are (a NUL only when `units` ends with one).
inline std::vector<uint8_t> Utf16Bytes(const std::u16string& units) {
    std::vector<uint8_t> bytes;
    for (char16_t u : units) {
        bytes.push_back(static_cast<uint8_t>(u & 0xFF));
        bytes.push_back(static_cast<uint8_t>(u >> 8));
    }
    return bytes;
}
