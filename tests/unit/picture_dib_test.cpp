// A decoded picture as the DIB the program keeps: header, row order and padding, and what
// becomes of transparent pixels.
#include <gtest/gtest.h>

#include <tuple>

#include "store/dib_header.h"
#include "store/picture_dib.h"

namespace {
using Bytes = std::vector<uint8_t>;

// A picture of `width` columns whose rows, top first, are given as BGRA bytes.
DecodedPicture Picture(uint32_t width, const Bytes& bgra) {
    return DecodedPicture{width, uint32_t(bgra.size() / 4 / width), bgra};
}
} // namespace

TEST(PictureDib, RowsRunFromTheBottomArePaddedAndLieOverWhite) {
    const Bytes dib = DibFromPicture(Picture(2, {1, 2, 3, 255, 0, 0, 200, 128,   // top row
                                                 0, 0, 0, 0, 10, 11, 12, 255})); // clear, opaque
    ASSERT_EQ(dib.size(), PictureDibSize(2, 2));
    const DibHeader h = ReadDibHeader(dib);
    EXPECT_EQ(std::make_tuple(h.valid, h.width, h.height, h.bitCount, h.compression),
              std::make_tuple(true, 2, 2, uint16_t(24), 0u));
    EXPECT_EQ(Bytes(dib.begin() + 20, dib.begin() + 24), (Bytes{16, 0, 0, 0})) << "bits' size";
    EXPECT_EQ(Bytes(dib.begin() + 40, dib.end()),
              (Bytes{255, 255, 255, 10, 11, 12, 0, 0, 1, 2, 3, 127, 127, 227, 0, 0}));
    // Empty, oversized or inconsistent pictures give no DIB.
    EXPECT_EQ(PictureDibSize(0, 5), 0u);
    EXPECT_EQ(PictureDibSize(5, 0), 0u);
    EXPECT_EQ(PictureDibSize(70000, 70000), 0u) << "beyond what a DIB can hold";
    EXPECT_EQ(PictureDibSize(1, 1), 44u);
    DecodedPicture cut = Picture(4, Bytes(64));
    cut.bgra.pop_back();
    EXPECT_TRUE(DibFromPicture(cut).empty());
    EXPECT_TRUE(DibFromPicture(DecodedPicture{}).empty());
}
