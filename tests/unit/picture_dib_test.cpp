// A decoded picture as the DIB the program keeps: header, row order and padding, and what
// becomes of transparent pixels.
#include <gtest/gtest.h>

#include "store/byte_block.h"
#include "store/dib_header.h"
#include "store/picture_dib.h"

namespace {
DecodedPicture Picture(uint32_t width, uint32_t height) {
    DecodedPicture picture;
    picture.width = width;
    picture.height = height;
    picture.bgra.assign(size_t(width) * height * 4, 0);
    return picture;
}

void SetPixel(DecodedPicture& picture, uint32_t x, uint32_t y, uint8_t b, uint8_t g, uint8_t r,
              uint8_t a) {
    uint8_t* p = picture.bgra.data() + (size_t(y) * picture.width + x) * 4;
    p[0] = b;
    p[1] = g;
    p[2] = r;
    p[3] = a;
}
} // namespace

TEST(PictureDib, RowsRunFromTheBottomAndArePaddedToFourBytes) {
    DecodedPicture picture = Picture(2, 2);
    SetPixel(picture, 0, 0, 1, 2, 3, 255); // top left
    SetPixel(picture, 1, 0, 4, 5, 6, 255);
    SetPixel(picture, 0, 1, 7, 8, 9, 255); // bottom left
    SetPixel(picture, 1, 1, 10, 11, 12, 255);
    const std::vector<uint8_t> dib = DibFromPicture(picture);
    ASSERT_EQ(dib.size(), 40u + 2 * 8);
    EXPECT_EQ(PictureDibSize(2, 2), dib.size());

    const DibHeader header = ReadDibHeader(dib);
    EXPECT_TRUE(header.valid);
    EXPECT_EQ(header.width, 2);
    EXPECT_EQ(header.height, 2);
    EXPECT_EQ(header.bitCount, 24);
    EXPECT_EQ(header.compression, 0u);
    EXPECT_EQ(DibBitsOffset(dib), 40u);
    EXPECT_EQ(GetLe32(dib.data() + 20), 16u) << "size of the bits";

    const std::vector<uint8_t> bits(dib.begin() + 40, dib.end());
    EXPECT_EQ(bits, (std::vector<uint8_t>{7, 8, 9, 10, 11, 12, 0, 0, 1, 2, 3, 4, 5, 6, 0, 0}));
}

TEST(PictureDib, TransparentPartsLieOverWhite) {
    DecodedPicture picture = Picture(3, 1);
    SetPixel(picture, 0, 0, 0, 0, 0, 0);      // clear: white
    SetPixel(picture, 1, 0, 0, 0, 200, 128);  // half-seen red
    SetPixel(picture, 2, 0, 10, 20, 30, 255); // opaque: as it is
    const std::vector<uint8_t> dib = DibFromPicture(picture);
    ASSERT_EQ(dib.size(), 40u + 12);
    EXPECT_EQ(std::vector<uint8_t>(dib.begin() + 40, dib.begin() + 49),
              (std::vector<uint8_t>{255, 255, 255, 127, 127, 227, 10, 20, 30}));
}

TEST(PictureDib, EmptyOversizedOrInconsistentPicturesGiveNoDib) {
    EXPECT_EQ(PictureDibSize(0, 5), 0u);
    EXPECT_EQ(PictureDibSize(5, 0), 0u);
    EXPECT_EQ(PictureDibSize(70000, 70000), 0u) << "beyond what a DIB can hold";
    EXPECT_EQ(PictureDibSize(1, 1), 44u);

    DecodedPicture picture = Picture(4, 4);
    picture.bgra.pop_back();
    EXPECT_TRUE(DibFromPicture(picture).empty());
    EXPECT_TRUE(DibFromPicture(Picture(0, 0)).empty());
}
