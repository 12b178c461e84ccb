// DIB headers: their caption, where their pixels begin, and the bitmap file made of them.
#include "store/bitmap_file.h"
#include "store/dib_header.h"

#include "qbx_test_files.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// A block with an old 12-byte header.
Bytes CoreDib(uint16_t w, uint16_t h, uint16_t bits, size_t total) {
    Bytes b(total);
    Put(b, 0, 12, 4);
    Put(b, 4, w, 2);
    Put(b, 6, h, 2);
    Put(b, 8, 1, 2);
    Put(b, 10, bits, 2);
    return b;
}

// What WriteBitmapFile puts into a file; `written` tells its result.
Bytes Written(const Bytes& dib, bool& written) {
    std::FILE* f = std::tmpfile();
    written = WriteBitmapFile(f, dib.data(), dib.size());
    std::rewind(f);
    Bytes out;
    for (int c; (c = std::fgetc(f)) != EOF;)
        out.push_back(static_cast<uint8_t>(c));
    std::fclose(f);
    return out;
}

} // namespace

TEST(BitmapCaption, NamesSizeAndColoursAndNeverReadsPastAShortBlock) {
    const struct {
        Bytes dib;
        const char* caption;
    } cases[] = {
        {InfoDib(1024, 768, 24), "Bitmap 007 (1024x768x16M) 24 bits True Color"},
        {InfoDib(32, 32, 32), "Bitmap 007 (32x32x4G) 32 bits True Color"},
        {InfoDib(8, 8, 16), "Bitmap 007 (8x8x64K) 16 bits High Color"},
        {InfoDib(32, 32, 8), "Bitmap 007 (32x32x256)"},
        {InfoDib(2, 3, 1), "Bitmap 007 (2x3x2)"},
        {InfoDib(4, -3, 24), "Bitmap 007 (4x-3x16M) 24 bits True Color"}, // height as stored
        // Colours used win over the bit count; only their low 16 bits count.
        {InfoDib(1, 1, 24, 2048, 0, 12), "Bitmap 007 (1x1x12)"},
        {InfoDib(1, 1, 8, 2048, 0, 0x10005), "Bitmap 007 (1x1x5)"},
        {CoreDib(300, 200, 4, 200), "Bitmap 007 (300x200x16)"},
        {InfoDib(64, 48, 8, 2048, 0, 0, 124), "Bitmap 007 (64x48x256)"},
        {InfoDib(64, 48, 32, 2048, 0, 0, 108), "Bitmap 007 (64x48x4G) 32 bits True Color"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BitmapCaption(7, ReadDibHeader(c.dib)), c.caption);
    EXPECT_EQ(BitmapCaption(123, ReadDibHeader(InfoDib(1, 1, 8))), "Bitmap 123 (1x1x256)");
    // Each block is exactly as long as given, so a read past it trips the sanitizer.
    for (size_t len : {0, 3, 4, 11, 39}) {
        auto dib = InfoDib(100, 100, 24, 40);
        dib.resize(len);
        dib.shrink_to_fit();
        EXPECT_FALSE(ReadDibHeader(dib).valid) << len;
        EXPECT_EQ(BitmapCaption(7, ReadDibHeader(dib)), "Bitmap 007 (0x0x0)") << len;
    }
    EXPECT_FALSE(ReadDibHeader(InfoDib(9, 9, 8, 100, 0, 0, 124)).valid) << "longer than the block";
    EXPECT_FALSE(ReadDibHeader(InfoDib(9, 9, 8, 100, 0, 0, 30)).valid) << "no kind has 30 bytes";
    EXPECT_TRUE(ReadDibHeader(CoreDib(1, 1, 1, 12)).valid);
    EXPECT_TRUE(ReadDibHeader(InfoDib(1, 1, 1, 40)).valid);
}

// A colour table that runs past the block leaves nothing to draw.
TEST(DibBitsOffset, IsZeroWhenTheColourTableLeavesNoPixels) {
    for (const auto& [dib, offset] : {std::pair<Bytes, size_t>{InfoDib(2, 2, 8, 500), 0},
                                      {InfoDib(2, 2, 8, 2048, 0, 0xFFFF), 0},
                                      {InfoDib(2, 2, 8, 40 + 1024), 0},
                                      {InfoDib(2, 2, 8, 40 + 1025), 40 + 1024}})
        EXPECT_EQ(DibBitsOffset(dib), offset) << dib.size();
}

// The file is the 14-byte header and the DIB up to the end of its pixel array, or of the
// block when that ends first.
TEST(WriteBitmapFile, EndsAtThePixelArrayOrTheBlockAndRefusesWhatIsNoBitmap) {
    const struct {
        const char* what;
        Bytes dib;
        uint32_t bitsStart;
        uint32_t dibBytes;
    } cases[] = {
        {"24 bits, rows of 9 bytes padded to 12, 10 bytes after them", InfoDib(3, 2, 24, 74), 40,
         64},
        {"8 bits without a used count: 256 colours", InfoDib(5, 2, 8, 1083), 1064, 1080},
        {"three colours used", InfoDib(5, 2, 8, 76, 0, 3), 52, 68},
        {"bit fields: three masks", InfoDib(3, 2, 16, 72, 3), 52, 68},
        {"top-down: as many rows as the height's size", InfoDib(1, -3, 24, 56), 40, 52},
        {"1 bit: two colours", InfoDib(1, 1, 1, 52), 48, 52},
        {"an old 12-byte header", CoreDib(2, 2, 4, 70), 60, 68},
        {"run-length pixels: all the block holds", InfoDib(100, 100, 8, 1094, 1), 1064, 1094},
        {"cut inside the pixels", InfoDib(4, 4, 24, 60), 40, 60},
        {"sizes whose product overflows", InfoDib(0x7FFFFFFF, -0x7FFFFFFF - 1, 32, 48), 40, 48},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes expected = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        Put(expected, 2, 14 + c.dibBytes, 4);
        Put(expected, 10, 14 + c.bitsStart, 4);
        Append(expected, std::string(c.dib.begin(), c.dib.begin() + c.dibBytes));
        bool written = false;
        EXPECT_EQ(Written(c.dib, written), expected);
        EXPECT_TRUE(written);
    }
    // A colour table that runs past the block, a header of no known kind, a negative width,
    // a block too short for any header.
    for (const Bytes& bad :
         {InfoDib(2, 2, 8, 40 + 100), Bytes(60, 'B'), InfoDib(-2, 2, 24, 60), Bytes{40, 0, 0}}) {
        bool written = true;
        EXPECT_TRUE(Written(bad, written).empty());
        EXPECT_FALSE(written);
    }
    std::FILE* readOnly = std::fopen("/dev/null", "rb");
    ASSERT_NE(readOnly, nullptr);
    Bytes dib = InfoDib(1, 1, 24, 44);
    EXPECT_FALSE(WriteBitmapFile(readOnly, dib.data(), dib.size()));
    std::fclose(readOnly);
}
