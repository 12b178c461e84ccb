#include "store/picture_dib.h"

#include "store/byte_block.h"

namespace {
constexpr uint32_t HEADER_SIZE = 40;
constexpr uint32_t BITS_PER_PIXEL = 24;
constexpr uint32_t PIXELS_PER_METRE = 3780; // 96 dots per inch
// DIB sizes are signed 32-bit numbers, and the block's size a 32-bit one.
constexpr uint64_t LARGEST_DIB = 0x7FFFFFFF;

uint64_t RowBytes(uint32_t width) {
    return (uint64_t(width) * 3 + 3) / 4 * 4;
}

// Straight alpha over a white background.
uint8_t OverWhite(uint8_t colour, uint8_t alpha) {
    return uint8_t((colour * alpha + 255 * (255 - alpha) + 127) / 255);
}
} // namespace

uint64_t PictureDibSize(uint32_t width, uint32_t height) {
    if (width == 0 || height == 0)
        return 0;
    const uint64_t size = HEADER_SIZE + RowBytes(width) * height;
    return size <= LARGEST_DIB ? size : 0;
}

std::vector<uint8_t> DibFromPicture(const DecodedPicture& picture) {
    const uint64_t size = PictureDibSize(picture.width, picture.height);
    if (size == 0 || picture.bgra.size() != uint64_t(picture.width) * picture.height * 4)
        return {};
    std::vector<uint8_t> dib(size_t(size), 0);
    uint8_t* header = dib.data();
    PutLe32(header, HEADER_SIZE);
    PutLe32(header + 4, picture.width);
    PutLe32(header + 8, picture.height); // positive: the rows run from the bottom up
    PutLe16(header + 12, 1);             // planes
    PutLe16(header + 14, BITS_PER_PIXEL);
    PutLe32(header + 16, 0); // BI_RGB
    PutLe32(header + 20, uint32_t(size - HEADER_SIZE));
    PutLe32(header + 24, PIXELS_PER_METRE);
    PutLe32(header + 28, PIXELS_PER_METRE);

    const size_t rowBytes = size_t(RowBytes(picture.width));
    for (uint32_t y = 0; y < picture.height; ++y) {
        const uint8_t* from = picture.bgra.data() + size_t(y) * picture.width * 4;
        uint8_t* to = dib.data() + HEADER_SIZE + size_t(picture.height - 1 - y) * rowBytes;
        for (uint32_t x = 0; x < picture.width; ++x, from += 4, to += 3) {
            to[0] = OverWhite(from[0], from[3]);
            to[1] = OverWhite(from[1], from[3]);
            to[2] = OverWhite(from[2], from[3]);
        }
    }
    return dib;
}
