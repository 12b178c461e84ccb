#include "store/placeholders.h"

std::string FillPlaceholders(const std::string& pattern, const std::vector<std::string>& values) {
    std::string out;
    size_t used = 0;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size()) {
            if (pattern[i + 1] == '%') {
                out += '%';
                ++i;
                continue;
            }
            if (pattern[i + 1] == 's' && used < values.size()) {
                out += values[used++];
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}
