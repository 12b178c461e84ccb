// A bitmap item's picture drawn into a box of a device context, read back pixel by pixel.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <vector>

#include "draw_bitmap.h"
#include "pixel_canvas.h"
#include "store/clip_item.h"

namespace {
const COLORREF kBack = RGB(128, 128, 128);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);

// A packed 24-bit DIB of `width` x `rows.size()` pixels, rows given top first; stored
// bottom-up, or top-down (negative height) when asked.
std::vector<uint8_t> Dib24(int width, const std::vector<std::vector<COLORREF>>& rows,
                           bool topDown) {
    const int height = static_cast<int>(rows.size());
    const int stride = (width * 3 + 3) / 4 * 4;
    BITMAPINFOHEADER h = {};
    h.biSize = sizeof h;
    h.biWidth = width;
    h.biHeight = topDown ? -height : height;
    h.biPlanes = 1;
    h.biBitCount = 24;
    h.biCompression = BI_RGB;
    h.biSizeImage = stride * height;
    std::vector<uint8_t> dib(sizeof h + size_t(stride) * height, 0);
    std::memcpy(dib.data(), &h, sizeof h);
    for (int y = 0; y < height; ++y) {
        const int stored = topDown ? y : height - 1 - y;
        uint8_t* row = dib.data() + sizeof h + size_t(stored) * stride;
        for (int x = 0; x < width; ++x) {
            row[3 * x] = GetBValue(rows[y][x]);
            row[3 * x + 1] = GetGValue(rows[y][x]);
            row[3 * x + 2] = GetRValue(rows[y][x]);
        }
    }
    return dib;
}

// Red, green over blue, white.
std::vector<uint8_t> FourColours(bool topDown) {
    return Dib24(2, {{kRed, kGreen}, {kBlue, kWhite}}, topDown);
}

CClipItem BitmapItem(std::vector<uint8_t> dib) {
    CClipItem item;
    item.type = CLIP_BITMAP;
    item.dib = std::move(dib);
    return item;
}

bool Near(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= 16 &&
           std::abs(GetGValue(a) - GetGValue(b)) <= 16 &&
           std::abs(GetBValue(a) - GetBValue(b)) <= 16;
}

int PixelsOtherThan(const PixelCanvas& canvas, COLORREF colour) {
    int count = 0;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            count += canvas.At(x, y) != colour;
    return count;
}

TEST(DrawBitmap, BottomUpAndTopDownPicturesDrawUprightAtTheirOwnSize) {
    for (bool topDown : {false, true}) {
        SCOPED_TRACE(topDown ? "top-down" : "bottom-up");
        PixelCanvas canvas(4, 4, kBack);
        ASSERT_TRUE(canvas.Ready());
        const RECT box = {1, 1, 3, 3};
        EXPECT_TRUE(DrawBitmap(BitmapItem(FourColours(topDown)), canvas.Dc(), box));
        EXPECT_EQ(canvas.At(1, 1), kRed);
        EXPECT_EQ(canvas.At(2, 1), kGreen);
        EXPECT_EQ(canvas.At(1, 2), kBlue);
        EXPECT_EQ(canvas.At(2, 2), kWhite);
        EXPECT_EQ(PixelsOtherThan(canvas, kBack), 4) << "nothing drawn outside the box";
    }
}

TEST(DrawBitmap, ALargePictureIsShrunkToFitKeepingItsShape) {
    // 8 x 4 in quarters of one colour each, into a 4 x 6 box: drawn 4 x 2, one row down.
    std::vector<std::vector<COLORREF>> rows;
    for (int y = 0; y < 4; ++y) {
        std::vector<COLORREF> row;
        for (int x = 0; x < 8; ++x)
            row.push_back(y < 2 ? (x < 4 ? kRed : kGreen) : (x < 4 ? kBlue : kWhite));
        rows.push_back(row);
    }
    PixelCanvas canvas(4, 6, kBack);
    ASSERT_TRUE(canvas.Ready());
    const RECT box = {0, 0, 4, 6};
    EXPECT_TRUE(DrawBitmap(BitmapItem(Dib24(8, rows, false)), canvas.Dc(), box));
    // Shrinking smooths, so the colours are compared with a little room.
    EXPECT_PRED2(Near, canvas.At(0, 2), kRed);
    EXPECT_PRED2(Near, canvas.At(3, 2), kGreen);
    EXPECT_PRED2(Near, canvas.At(0, 3), kBlue);
    EXPECT_PRED2(Near, canvas.At(3, 3), kWhite);
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(canvas.At(x, 1), kBack) << x;
        EXPECT_EQ(canvas.At(x, 4), kBack) << x;
    }
}

// An 8-bit run-length coded 2 x 1 picture of two green pixels whose header states the
// image size `sizeImage`; its bits are 4 bytes long.
std::vector<uint8_t> RunLengthGreen(DWORD sizeImage) {
    BITMAPINFOHEADER h = {};
    h.biSize = sizeof h;
    h.biWidth = 2;
    h.biHeight = 1;
    h.biPlanes = 1;
    h.biBitCount = 8;
    h.biCompression = BI_RLE8;
    h.biClrUsed = 2;
    h.biSizeImage = sizeImage;
    const RGBQUAD palette[2] = {{0, 0, 0, 0}, {0, 255, 0, 0}}; // black, green
    const uint8_t runs[] = {2, 1, 0, 1};                       // two of colour 1, end
    std::vector<uint8_t> dib(sizeof h + sizeof palette + sizeof runs);
    std::memcpy(dib.data(), &h, sizeof h);
    std::memcpy(dib.data() + sizeof h, palette, sizeof palette);
    std::memcpy(dib.data() + sizeof h + sizeof palette, runs, sizeof runs);
    return dib;
}

TEST(DrawBitmap, CompressedBitsAreDrawnAsLongAsTheHeaderSays) {
    PixelCanvas canvas(2, 1, kBack);
    ASSERT_TRUE(canvas.Ready());
    EXPECT_TRUE(DrawBitmap(BitmapItem(RunLengthGreen(4)), canvas.Dc(), {0, 0, 2, 1}));
    EXPECT_EQ(canvas.At(0, 0), kGreen);
    EXPECT_EQ(canvas.At(1, 0), kGreen);
}

// GDI reads as many bits as the header promises: a block that holds fewer, or a compressed
// one that states no length, draws nothing; nor do the kinds that show no picture.
TEST(DrawBitmap, OtherKindsAndUnusableDibsDrawNothing) {
    const std::vector<uint8_t> whole = FourColours(false);
    std::vector<uint8_t> truncated = whole;
    truncated.resize(truncated.size() - 3); // the last row cut short
    const std::vector<uint8_t> headerOnly(whole.begin(), whole.begin() + sizeof(BITMAPINFOHEADER));
    std::vector<uint8_t> unknownHeader = whole;
    unknownHeader[0] = 20; // no header is 20 bytes long

    std::vector<CClipItem> items;
    for (uint16_t kind : {CLIP_TEXT, CLIP_RTF, CLIP_FILES, CLIP_COLLECTION}) {
        CClipItem item; // a picture that these kinds must not show
        item.type = kind;
        item.dib = whole;
        items.push_back(item);
    }
    for (const auto& dib : {std::vector<uint8_t>(), truncated, headerOnly, unknownHeader,
                            RunLengthGreen(0), RunLengthGreen(5)})
        items.push_back(BitmapItem(dib));

    const RECT box = {0, 0, 4, 4};
    for (size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(i);
        PixelCanvas canvas(4, 4, kBack);
        ASSERT_TRUE(canvas.Ready());
        EXPECT_FALSE(DrawBitmap(items[i], canvas.Dc(), box));
        EXPECT_EQ(PixelsOtherThan(canvas, kBack), 0);
    }
}
} // namespace
