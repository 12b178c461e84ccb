// A bitmap item's picture drawn into a box of a device context, read back pixel by pixel.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "draw_bitmap.h"
#include "store/clip_item.h"

namespace {
const COLORREF kBack = RGB(128, 128, 128);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);

// What DrawBitmap answered, and the pixels row by row of the width x height box it drew
// into: a 32-bit top-down DIB section filled with kBack, read back directly (no pixels when
// the section could not be made).
struct Drawn {
    bool drew = false;
    std::vector<COLORREF> pixels;
};

Drawn Draw(const CClipItem& item, int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    Drawn out;
    if (bitmap && dc) {
        HGDIOBJ old = SelectObject(dc, bitmap);
        uint32_t* p = static_cast<uint32_t*>(bits);
        std::fill(p, p + width * height, kBack); // grey: the same in RGB and BGR order
        out.drew = DrawBitmap(item, dc, {0, 0, width, height});
        GdiFlush();
        for (int i = 0; i < width * height; ++i)
            out.pixels.push_back(RGB((p[i] >> 16) & 0xFF, (p[i] >> 8) & 0xFF, p[i] & 0xFF));
        SelectObject(dc, old);
    }
    DeleteDC(dc);
    DeleteObject(bitmap);
    return out;
}

// A packed 24-bit 2 x 2 DIB, red and green over blue and white; stored bottom-up, or
// top-down (negative height) when asked.
std::vector<uint8_t> FourColours(bool topDown) {
    BITMAPINFOHEADER h = {};
    h.biSize = sizeof h;
    h.biWidth = 2;
    h.biHeight = topDown ? -2 : 2;
    h.biPlanes = 1;
    h.biBitCount = 24;
    h.biCompression = BI_RGB;
    h.biSizeImage = 16; // two rows of 6 bytes, padded to 8
    std::vector<uint8_t> dib(sizeof h + 16, 0);
    std::memcpy(dib.data(), &h, sizeof h);
    const COLORREF pixels[2][2] = {{kRed, kGreen}, {kBlue, kWhite}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) {
            uint8_t* p = dib.data() + sizeof h + 8 * (topDown ? y : 1 - y) + 3 * x;
            p[0] = GetBValue(pixels[y][x]);
            p[1] = GetGValue(pixels[y][x]);
            p[2] = GetRValue(pixels[y][x]);
        }
    return dib;
}

CClipItem BitmapItem(std::vector<uint8_t> dib) {
    CClipItem item;
    item.type = CLIP_BITMAP;
    item.dib = std::move(dib);
    return item;
}

// Where and how large is the portable rule's (BitmapDrawRect): a small picture is centred.
TEST(DrawBitmap, BottomUpAndTopDownPicturesDrawUprightAtTheirOwnSize) {
    for (bool topDown : {false, true}) {
        SCOPED_TRACE(topDown ? "top-down" : "bottom-up");
        const Drawn d = Draw(BitmapItem(FourColours(topDown)), 4, 4);
        EXPECT_TRUE(d.drew);
        EXPECT_EQ(d.pixels,
                  std::vector<COLORREF>({kBack, kBack, kBack, kBack, kBack, kRed, kGreen, kBack,
                                         kBack, kBlue, kWhite, kBack, kBack, kBack, kBack, kBack}));
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
    const Drawn d = Draw(BitmapItem(RunLengthGreen(4)), 2, 1);
    EXPECT_TRUE(d.drew);
    EXPECT_EQ(d.pixels, std::vector<COLORREF>({kGreen, kGreen}));
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
        items.push_back(BitmapItem(whole)); // a picture that these kinds must not show
        items.back().type = kind;
    }
    for (const auto& dib : {std::vector<uint8_t>(), truncated, headerOnly, unknownHeader,
                            RunLengthGreen(0), RunLengthGreen(5)})
        items.push_back(BitmapItem(dib));

    for (size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(i);
        const Drawn d = Draw(items[i], 4, 4);
        EXPECT_FALSE(d.drew);
        EXPECT_EQ(d.pixels, std::vector<COLORREF>(16, kBack));
    }
}
} // namespace
