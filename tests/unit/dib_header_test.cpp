#include "store/dib_header.h"

#include <gtest/gtest.h>

namespace {

void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
void Put16(std::vector<uint8_t>& b, size_t at, uint16_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}

std::vector<uint8_t> InfoDib(int32_t w, int32_t h, uint16_t bits, uint32_t used = 0,
                             uint32_t headerSize = 40, size_t total = 2048) {
    std::vector<uint8_t> b(total);
    Put32(b, 0, headerSize);
    Put32(b, 4, static_cast<uint32_t>(w));
    Put32(b, 8, static_cast<uint32_t>(h));
    Put16(b, 12, 1);
    Put16(b, 14, bits);
    Put32(b, 32, used);
    return b;
}

std::vector<uint8_t> CoreDib(uint16_t w, uint16_t h, uint16_t bits, size_t total = 200) {
    std::vector<uint8_t> b(total);
    Put32(b, 0, 12);
    Put16(b, 4, w);
    Put16(b, 6, h);
    Put16(b, 8, 1);
    Put16(b, 10, bits);
    return b;
}

} // namespace

TEST(BitmapCaption, NamesSizeAndColours) {
    const struct {
        std::vector<uint8_t> dib;
        const char* caption;
    } cases[] = {
        {InfoDib(1024, 768, 24), "Bitmap 007 (1024x768x16M) 24 bits True Color"},
        {InfoDib(32, 32, 32), "Bitmap 007 (32x32x4G) 32 bits True Color"},
        {InfoDib(8, 8, 16), "Bitmap 007 (8x8x64K) 16 bits High Color"},
        {InfoDib(32, 32, 8), "Bitmap 007 (32x32x256)"},
        {InfoDib(32, 32, 4), "Bitmap 007 (32x32x16)"},
        {InfoDib(2, 3, 1), "Bitmap 007 (2x3x2)"},
        {InfoDib(4, -3, 24), "Bitmap 007 (4x-3x16M) 24 bits True Color"}, // height as stored
        // Colours used win over the bit count; only their low 16 bits count.
        {InfoDib(1, 1, 8, 5), "Bitmap 007 (1x1x5)"},
        {InfoDib(1, 1, 24, 12), "Bitmap 007 (1x1x12)"},
        {InfoDib(1, 1, 8, 0x10005), "Bitmap 007 (1x1x5)"},
        {CoreDib(300, 200, 4), "Bitmap 007 (300x200x16)"},
        {CoreDib(640, 480, 24), "Bitmap 007 (640x480x16M) 24 bits True Color"},
        {InfoDib(64, 48, 8, 0, 124), "Bitmap 007 (64x48x256)"},
        {InfoDib(64, 48, 32, 0, 108), "Bitmap 007 (64x48x4G) 32 bits True Color"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BitmapCaption(7, ReadDibHeader(c.dib)), c.caption);
    EXPECT_EQ(BitmapCaption(123, ReadDibHeader(InfoDib(1, 1, 8))), "Bitmap 123 (1x1x256)");
}

TEST(ReadDibHeader, NeverReadsPastAShortBlock) {
    // Each block is exactly as long as given, so a read past it trips the sanitizer.
    for (size_t len : {0, 3, 4, 11, 39}) {
        auto dib = InfoDib(100, 100, 24, 0, 40, 40);
        dib.resize(len);
        dib.shrink_to_fit();
        EXPECT_FALSE(ReadDibHeader(dib).valid) << len;
        EXPECT_EQ(BitmapCaption(7, ReadDibHeader(dib)), "Bitmap 007 (0x0x0)") << len;
    }
    EXPECT_FALSE(ReadDibHeader(InfoDib(10, 10, 8, 0, 124, 100)).valid) << "longer than the block";
    EXPECT_FALSE(ReadDibHeader(InfoDib(10, 10, 8, 0, 30, 100)).valid) << "no kind has 30 bytes";
    EXPECT_TRUE(ReadDibHeader(CoreDib(1, 1, 1, 12)).valid);
    EXPECT_TRUE(ReadDibHeader(InfoDib(1, 1, 1, 0, 40, 40)).valid);
}

TEST(DibBitsOffset, SkipsHeaderMasksAndColourTable) {
    auto bitfields = InfoDib(2, 2, 16);
    Put32(bitfields, 16, 3);
    const struct {
        std::vector<uint8_t> dib;
        size_t offset;
    } cases[] = {
        {InfoDib(2, 2, 8), 40 + 256 * 4},
        {InfoDib(2, 2, 24), 40},
        {bitfields, 52},
        {CoreDib(2, 2, 4), 12 + 16 * 3},
        // A colour table that runs past the block leaves nothing to draw.
        {InfoDib(2, 2, 8, 0, 40, 500), 0},
        {InfoDib(2, 2, 8, 0xFFFF), 0},
        {InfoDib(2, 2, 8, 0, 40, 40 + 1024), 0},
        {InfoDib(2, 2, 8, 0, 40, 40 + 1025), 40 + 1024},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DibBitsOffset(c.dib), c.offset) << c.dib.size();
}
