#include "store/trim.h"

std::string Trim(const std::string& text, const char* blanks) {
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string TrimRight(const std::string& text, const char* blanks) {
    const size_t last = text.find_last_not_of(blanks);
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}
