#pragma once
#include <map>
#include <vector>

#include "platform/picture_decoder.h"

// Knows the pictures it was given by their exact bytes; any other data is no picture.
class FakePictureDecoder final : public IPictureDecoder {
public:
    std::map<std::vector<uint8_t>, DecodedPicture> known;
    mutable int decodes = 0;

    bool DecodePng(const std::vector<uint8_t>& png, uint64_t maxPixels,
                   DecodedPicture& picture) const override {
        ++decodes;
        auto it = known.find(png);
        if (it == known.end() || uint64_t(it->second.width) * it->second.height > maxPixels)
            return false;
        picture = it->second;
        return true;
    }
};
