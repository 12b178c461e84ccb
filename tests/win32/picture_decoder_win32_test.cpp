// PNG pictures decoded by the system's imaging component into the pixels capture keeps.
#include <gtest/gtest.h>

#include <vector>

#include "port/picture_decoder_win32.h"

namespace {
// 3 x 2 RGBA: red, green, blue opaque; then a clear pixel, a half-seen one and white.
const std::vector<uint8_t> kPng = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44,
    0x52, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00, 0x00, 0x9D,
    0x74, 0x66, 0x1A, 0x00, 0x00, 0x00, 0x1D, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0xF8,
    0xCF, 0xC0, 0xF0, 0x1F, 0x0C, 0x19, 0xFE, 0xFF, 0x67, 0xE0, 0x12, 0x91, 0x63, 0xD0, 0x30,
    0xB2, 0x69, 0xF8, 0x0F, 0x04, 0x00, 0x84, 0xA4, 0x0B, 0x49, 0x45, 0xFE, 0x7F, 0x27, 0x00,
    0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
} // namespace

TEST(Win32PictureDecoder, DecodesAPngIntoTopDownBgraRows) {
    Win32PictureDecoder decoder;
    DecodedPicture picture;
    ASSERT_TRUE(decoder.DecodePng(kPng, 6, picture));
    EXPECT_EQ(picture.width, 3u);
    EXPECT_EQ(picture.height, 2u);
    const std::vector<uint8_t> expected = {0,  0,  255, 255, 0,  255, 0,  255, 255, 0,   0,   255,
                                           30, 20, 10,  0,   60, 50,  40, 128, 255, 255, 255, 255};
    EXPECT_EQ(picture.bgra, expected);
}

TEST(Win32PictureDecoder, RefusesOtherDataCutShortFilesAndTooManyPixels) {
    Win32PictureDecoder decoder;
    DecodedPicture picture;
    EXPECT_FALSE(decoder.DecodePng(kPng, 5, picture)) << "6 pixels with 5 allowed";
    EXPECT_TRUE(picture.bgra.empty());
    EXPECT_FALSE(decoder.DecodePng({}, 100, picture));
    EXPECT_FALSE(decoder.DecodePng({'B', 'M', 0, 0, 0, 0}, 100, picture));
    const std::vector<uint8_t> cut(kPng.begin(), kPng.begin() + 40);
    EXPECT_FALSE(decoder.DecodePng(cut, 100, picture));
}
