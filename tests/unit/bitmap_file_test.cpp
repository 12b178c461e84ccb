#include "store/bitmap_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

void Put(Bytes& b, size_t at, uint32_t v, int width) {
    for (int i = 0; i < width; ++i)
        b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// A DIB block of `total` bytes with a 40-byte header; byte i after the header holds i & 0xFF
// so that a wrong cut shows in the content.
Bytes InfoDib(int32_t w, int32_t h, uint16_t bits, size_t total, uint32_t compression = 0,
              uint32_t used = 0) {
    Bytes b(total);
    Put(b, 0, 40, 4);
    Put(b, 4, static_cast<uint32_t>(w), 4);
    Put(b, 8, static_cast<uint32_t>(h), 4);
    Put(b, 12, 1, 2);
    Put(b, 14, bits, 2);
    Put(b, 16, compression, 4);
    Put(b, 32, used, 4);
    for (size_t i = 40; i < total; ++i)
        b[i] = static_cast<uint8_t>(i);
    return b;
}

// A 12-byte header of 2 x 2 at 4 bits: 16 colour entries of 3 bytes, rows of 4 bytes.
Bytes CoreDib(size_t total) {
    Bytes core(total);
    Put(core, 0, 12, 4);
    Put(core, 4, 2, 2);
    Put(core, 6, 2, 2);
    Put(core, 8, 1, 2);
    Put(core, 10, 4, 2);
    return core;
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

// The file is the 14-byte header and the DIB up to the end of its pixel array, or of the
// block when that ends first.
TEST(WriteBitmapFile, EndsAtThePixelArrayOrTheBlock) {
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
        {"an old 12-byte header", CoreDib(70), 60, 68},
        {"run-length pixels: all the block holds", InfoDib(100, 100, 8, 1094, 1), 1064, 1094},
        {"cut inside the pixels", InfoDib(4, 4, 24, 60), 40, 60},
        {"sizes whose product overflows", InfoDib(0x7FFFFFFF, -0x7FFFFFFF - 1, 32, 48), 40, 48},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const BitmapFileLayout layout = BitmapFileLayoutOf(c.dib.data(), c.dib.size());
        ASSERT_TRUE(layout.valid);
        EXPECT_EQ(layout.dibBytes, c.dibBytes);
        Bytes expected = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        Put(expected, 2, 14 + c.dibBytes, 4);
        Put(expected, 10, 14 + c.bitsStart, 4);
        expected.insert(expected.end(), c.dib.begin(), c.dib.begin() + c.dibBytes);
        bool written = false;
        EXPECT_EQ(Written(c.dib, written), expected);
        EXPECT_TRUE(written);
    }
}

TEST(WriteBitmapFile, RefusesWhatIsNoBitmapAndSaysWhenTheWriteFails) {
    // A colour table that runs past the block, a header of no known kind, a negative width,
    // a block too short for any header.
    for (const Bytes& bad :
         {InfoDib(2, 2, 8, 40 + 100), Bytes(60, 'B'), InfoDib(-2, 2, 24, 60), Bytes{40, 0, 0}}) {
        EXPECT_FALSE(BitmapFileLayoutOf(bad.data(), bad.size()).valid);
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
