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

std::vector<uint8_t> CoreDib(uint16_t w, uint16_t h, uint16_t bits) {
    std::vector<uint8_t> b(200);
    Put32(b, 0, 12);
    Put16(b, 4, w);
    Put16(b, 6, h);
    Put16(b, 8, 1);
    Put16(b, 10, bits);
    return b;
}

std::string Caption(const std::vector<uint8_t>& dib) {
    return BitmapCaption(7, ReadDibHeader(dib));
}

} // namespace

TEST(BitmapCaption, NamesColourDepth) {
    EXPECT_EQ(Caption(InfoDib(1024, 768, 24)), "Bitmap 007 (1024x768x16M) 24 bits True Color");
    EXPECT_EQ(Caption(InfoDib(32, 32, 32)), "Bitmap 007 (32x32x4G) 32 bits True Color");
    EXPECT_EQ(Caption(InfoDib(8, 8, 16)), "Bitmap 007 (8x8x64K) 16 bits High Color");
    EXPECT_EQ(Caption(InfoDib(32, 32, 8)), "Bitmap 007 (32x32x256)");
    EXPECT_EQ(Caption(InfoDib(32, 32, 4)), "Bitmap 007 (32x32x16)");
    EXPECT_EQ(Caption(InfoDib(2, 3, 1)), "Bitmap 007 (2x3x2)");
    // A top-down DIB shows its height as stored.
    EXPECT_EQ(Caption(InfoDib(4, -3, 24)), "Bitmap 007 (4x-3x16M) 24 bits True Color");
}

TEST(BitmapCaption, ColoursUsedWinOverTheBitCount) {
    EXPECT_EQ(Caption(InfoDib(1, 1, 8, 5)), "Bitmap 007 (1x1x5)");
    EXPECT_EQ(Caption(InfoDib(1, 1, 24, 12)), "Bitmap 007 (1x1x12)");
    EXPECT_EQ(Caption(InfoDib(1, 1, 8, 0x10005)), "Bitmap 007 (1x1x5)"); // low 16 bits
}

TEST(BitmapCaption, ReadsCoreAndLaterHeaderKinds) {
    EXPECT_EQ(Caption(CoreDib(300, 200, 4)), "Bitmap 007 (300x200x16)");
    EXPECT_EQ(Caption(CoreDib(640, 480, 24)), "Bitmap 007 (640x480x16M) 24 bits True Color");
    EXPECT_EQ(Caption(InfoDib(64, 48, 8, 0, 124)), "Bitmap 007 (64x48x256)");
    EXPECT_EQ(Caption(InfoDib(64, 48, 32, 0, 108)), "Bitmap 007 (64x48x4G) 32 bits True Color");
}

TEST(ReadDibHeader, NeverReadsPastAShortBlock) {
    // Each block is exactly as long as given, so a read past it trips the sanitizer.
    for (size_t len : {0, 3, 4, 11, 39}) {
        auto dib = InfoDib(100, 100, 24, 0, 40, 40);
        dib.resize(len);
        dib.shrink_to_fit();
        const DibHeader h = ReadDibHeader(dib);
        EXPECT_FALSE(h.valid) << len;
        EXPECT_EQ(Caption(dib), "Bitmap 007 (0x0x0)") << len;
    }
    auto v5 = InfoDib(10, 10, 8, 0, 124, 100); // names a header longer than the block
    EXPECT_FALSE(ReadDibHeader(v5).valid);
    auto odd = InfoDib(10, 10, 8, 0, 30, 100); // no header kind has 30 bytes
    EXPECT_FALSE(ReadDibHeader(odd).valid);
    auto core = CoreDib(1, 1, 1);
    core.resize(12);
    EXPECT_TRUE(ReadDibHeader(core).valid);
}

TEST(DibBitsOffset, SkipsHeaderMasksAndColourTable) {
    EXPECT_EQ(DibBitsOffset(InfoDib(2, 2, 8)), 40u + 256 * 4);
    EXPECT_EQ(DibBitsOffset(InfoDib(2, 2, 24)), 40u);
    auto bitfields = InfoDib(2, 2, 16);
    Put32(bitfields, 16, 3);
    EXPECT_EQ(DibBitsOffset(bitfields), 52u);
    EXPECT_EQ(DibBitsOffset(CoreDib(2, 2, 4)), 12u + 16 * 3);
    // A colour table that runs past the block leaves nothing to draw.
    EXPECT_EQ(DibBitsOffset(InfoDib(2, 2, 8, 0, 40, 500)), 0u);
    EXPECT_EQ(DibBitsOffset(InfoDib(2, 2, 8, 0xFFFF)), 0u);
}
