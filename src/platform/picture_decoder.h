#pragma once
// Decoding of compressed pictures that programs offer on the clipboard in place of a DIB.
#include <cstdint>
#include <vector>

// Pixels of a decoded picture: rows from the top, 4 bytes per pixel in the order blue,
// green, red, alpha; the alpha is not premultiplied.
struct DecodedPicture {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> bgra;
};

class IPictureDecoder {
public:
    virtual ~IPictureDecoder() = default;
    // Decodes the first frame of a PNG file held in memory. False for data that is not a
    // whole PNG picture, and for a picture of more than `maxPixels` pixels (nothing that
    // large is allocated).
    virtual bool DecodePng(const std::vector<uint8_t>& png, uint64_t maxPixels,
                           DecodedPicture& picture) const = 0;
};
