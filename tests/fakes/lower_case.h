#pragma once
// Names the system compares without regard to case (registry keys and values, settings
// entries, clipboard format names) are kept by the fakes in lower case.
#include <cctype>
#include <string>

inline std::string LowerCase(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}
