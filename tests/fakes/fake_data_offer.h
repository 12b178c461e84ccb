#pragma once
// Clipboard or drop data held in memory: format number -> data block.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "fakes/fake_text.h"
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
    void SetWideText(unsigned format, const std::u16string& text) {
        blocks[format] = Utf16Bytes(text + u'\0');
    }

    std::map<unsigned, std::vector<uint8_t>> blocks;
    std::set<unsigned> unreadable; // offered, but the data cannot be had
};
