#include "store/bitmap_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <initializer_list>
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

// The 14-byte header written out by hand, then the first `dibBytes` bytes of the block.
Bytes Expected(uint32_t fileSize, uint32_t bitsOffset, const Bytes& dib, size_t dibBytes) {
    Bytes b(14 + dibBytes);
    b[0] = 'B';
    b[1] = 'M';
    Put(b, 2, fileSize, 4);
    Put(b, 10, bitsOffset, 4);
    std::copy(dib.begin(), dib.begin() + static_cast<std::ptrdiff_t>(dibBytes), b.begin() + 14);
    return b;
}

// What WriteBitmapFile puts into a file; `written` tells its result.
Bytes Written(const Bytes& dib, bool& written) {
    std::FILE* f = std::tmpfile();
    EXPECT_NE(f, nullptr);
    if (!f)
        return {};
    written = WriteBitmapFile(f, dib.data(), dib.size());
    std::rewind(f);
    Bytes out;
    int c;
    while ((c = std::fgetc(f)) != EOF)
        out.push_back(static_cast<uint8_t>(c));
    std::fclose(f);
    return out;
}

Bytes Written(const Bytes& dib) {
    bool written = false;
    Bytes out = Written(dib, written);
    EXPECT_TRUE(written);
    return out;
}

} // namespace

TEST(WriteBitmapFile, EndsAtThePixelArrayOfUncompressedDibs) {
    // 3 x 2 at 24 bits: rows of 9 bytes padded to 12; the 10 bytes after them are not written.
    Bytes padded = InfoDib(3, 2, 24, 40 + 24 + 10);
    EXPECT_EQ(Written(padded), Expected(14 + 40 + 24, 54, padded, 40 + 24));

    // 5 x 2 at 8 bits with no colour-used count: 256 colours, rows of 8 bytes.
    Bytes palette = InfoDib(5, 2, 8, 40 + 1024 + 16 + 3);
    EXPECT_EQ(Written(palette), Expected(14 + 40 + 1024 + 16, 14 + 40 + 1024, palette, 1080));
    // Three colours used: the table has three entries.
    Bytes used = InfoDib(5, 2, 8, 40 + 12 + 16 + 8, 0, 3);
    EXPECT_EQ(Written(used), Expected(14 + 40 + 12 + 16, 14 + 40 + 12, used, 68));

    // 3 x 2 at 16 bits with bit-field compression: three masks, rows of 6 bytes padded to 8.
    Bytes masks = InfoDib(3, 2, 16, 40 + 12 + 16 + 4, 3);
    EXPECT_EQ(Written(masks), Expected(14 + 52 + 16, 14 + 52, masks, 68));

    // A top-down DIB has as many rows as its height without the sign.
    Bytes topDown = InfoDib(1, -3, 24, 40 + 12 + 4);
    EXPECT_EQ(Written(topDown), Expected(14 + 40 + 12, 54, topDown, 52));

    // 1 x 1 at 1 bit: two colours and one row of 4 bytes.
    Bytes mono = InfoDib(1, 1, 1, 40 + 8 + 4);
    EXPECT_EQ(Written(mono), Expected(14 + 52, 14 + 48, mono, 52));
}

TEST(WriteBitmapFile, OldHeadersAndCompressedPixels) {
    // A 12-byte header with 4 bits: 16 colour entries of 3 bytes, rows of 4 bytes.
    Bytes core(12 + 48 + 8 + 2);
    Put(core, 0, 12, 4);
    Put(core, 4, 2, 2);
    Put(core, 6, 2, 2);
    Put(core, 8, 1, 2);
    Put(core, 10, 4, 2);
    EXPECT_EQ(Written(core), Expected(14 + 12 + 48 + 8, 14 + 12 + 48, core, 68));

    // Run-length pixels have no size the dimensions give: all that the block holds is kept.
    Bytes rle = InfoDib(100, 100, 8, 40 + 1024 + 30, 1);
    EXPECT_EQ(Written(rle), Expected(14 + 1094, 14 + 1064, rle, 1094));
}

TEST(WriteBitmapFile, ABlockCutShortGivesWhatItHoldsOrNothing) {
    // 4 x 4 at 24 bits needs 48 pixel bytes; the block holds 20 of them. The size field
    // counts only the bytes that are there, and nothing past the block is read.
    Bytes cut = InfoDib(4, 4, 24, 40 + 20);
    EXPECT_EQ(Written(cut), Expected(14 + 60, 54, cut, 60));
    BitmapFileLayout layout = BitmapFileLayoutOf(cut.data(), cut.size());
    EXPECT_TRUE(layout.valid);
    EXPECT_EQ(layout.dibBytes, 60u);

    // Sizes whose product overflows still end at the block.
    Bytes huge = InfoDib(0x7FFFFFFF, -0x7FFFFFFF - 1, 32, 40 + 8);
    EXPECT_EQ(Written(huge), Expected(14 + 48, 54, huge, 48));

    // Refused, with nothing written: a colour table that runs past the block, a header of
    // no known kind, a negative width, a block too short for any header.
    for (const Bytes& bad :
         {InfoDib(2, 2, 8, 40 + 100), Bytes(60, 'B'), InfoDib(-2, 2, 24, 60), Bytes{40, 0, 0}}) {
        EXPECT_FALSE(BitmapFileLayoutOf(bad.data(), bad.size()).valid);
        bool written = true;
        EXPECT_TRUE(Written(bad, written).empty());
        EXPECT_FALSE(written);
    }
}

TEST(WriteBitmapFile, SaysSoWhenTheWriteFails) {
    std::FILE* readOnly = std::fopen("/dev/null", "rb");
    ASSERT_NE(readOnly, nullptr);
    Bytes dib = InfoDib(1, 1, 24, 44);
    EXPECT_FALSE(WriteBitmapFile(readOnly, dib.data(), dib.size()));
    std::fclose(readOnly);
}
