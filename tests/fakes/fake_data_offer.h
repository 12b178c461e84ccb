#pragma once
// Clipboard or drop data held in memory: format number -> data block.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/data_offer.h"

class FakeDataOffer : public IDataOffer {
public:
    bool IsFormatAvailable(unsigned format) const override { return blocks.count(format) != 0; }
    bool GetData(unsigned format, std::vector<uint8_t>& data) const override {
        auto it = blocks.find(format);
        if (it == blocks.end() || unreadable.count(format))
            return false;
        data = it->second;
        return true;
    }

    // 8-bit text with its NUL.
    void SetText(unsigned format, const std::string& text) {
        blocks[format].assign(text.begin(), text.end());
        blocks[format].push_back(0);
    }
    // UTF-16 little-endian with its NUL.
    void SetWideText(unsigned format, const std::u16string& text) {
        auto& b = blocks[format];
        b.clear();
        for (char16_t u : text + u'\0') {
            b.push_back(uint8_t(u & 0xFF));
            b.push_back(uint8_t(u >> 8));
        }
    }

    std::map<unsigned, std::vector<uint8_t>> blocks;
    std::set<unsigned> unreadable; // offered, but the data cannot be had
};
