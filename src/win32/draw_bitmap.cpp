#include "draw_bitmap.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "store/clip_item.h"
#include "store/dib_header.h"

namespace {
// Whether the block holds all the pixel bits its header promises from `bits` on. GDI reads
// as many as the header says, so a truncated block would be read beyond its end.
bool HoldsAllBits(const std::vector<uint8_t>& dib, const DibHeader& header, size_t bits) {
    if (header.width <= 0 || header.height == 0)
        return false;
    const uint64_t available = dib.size() - bits;
    if (DibHasPlainRows(header))
        return header.bitCount != 0 && DibPixelArraySize(header) <= available;
    // Compressed bits: their length is the header's image size.
    const auto* info = reinterpret_cast<const BITMAPINFOHEADER*>(dib.data());
    return !header.core && info->biSizeImage != 0 && info->biSizeImage <= available;
}
} // namespace

bool DrawBitmap(const CClipItem& item, HDC dc, const RECT& rect) {
    // Every kind that is neither text nor a collection holds a picture, as in the menu.
    if (item.IsTextLike() || item.type == CLIP_COLLECTION)
        return false;
    const std::vector<uint8_t>& dib = item.dib;
    const DibHeader header = ReadDibHeader(dib);
    const size_t bits = DibBitsOffset(dib);
    if (!header.valid || bits == 0 || !HoldsAllBits(dib, header, bits))
        return false;
    const PixelRect r =
        BitmapDrawRect(header.width, header.height, {rect.left, rect.top, rect.right, rect.bottom});
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr); // HALFTONE wants the brush origin set after it
    StretchDIBits(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, 0, 0, header.width,
                  std::abs(header.height), dib.data() + bits,
                  reinterpret_cast<const BITMAPINFO*>(dib.data()), DIB_RGB_COLORS, SRCCOPY);
    return true;
}
