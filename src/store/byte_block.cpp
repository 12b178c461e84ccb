#include "store/byte_block.h"

#include <algorithm>

std::string BlockString(const std::vector<uint8_t>& block) {
    const auto end = std::find(block.begin(), block.end(), uint8_t(0));
    return std::string(block.begin(), end);
}

std::u16string BlockWideString(const std::vector<uint8_t>& block) {
    std::u16string out;
    for (size_t i = 0; i + 1 < block.size(); i += 2) {
        const char16_t unit = static_cast<char16_t>(GetLe16(&block[i]));
        if (unit == 0)
            break;
        out.push_back(unit);
    }
    return out;
}
