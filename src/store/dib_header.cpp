#include "store/dib_header.h"

#include <cstdlib>
#include <limits>

#include "platform/win_constants.h"
#include "store/byte_block.h"

namespace {

constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;

uint32_t PaletteColours(uint16_t bitCount) {
    switch (bitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

std::string ZeroPadded3(unsigned n) {
    std::string s = std::to_string(n);
    return s.size() < 3 ? std::string(3 - s.size(), '0') + s : s;
}

} // namespace

DibHeader ReadDibHeader(const uint8_t* data, size_t size) {
    DibHeader h;
    if (size < 4)
        return h;
    const uint32_t headerSize = GetLe32(data);
    if (headerSize == kCoreHeaderSize && size >= kCoreHeaderSize) {
        h.core = true;
        h.width = GetLe16(data + 4);
        h.height = GetLe16(data + 6);
        h.bitCount = GetLe16(data + 10);
        h.colours = PaletteColours(h.bitCount);
    } else if (headerSize >= kInfoHeaderSize && size >= headerSize) {
        // The later header versions extend this one; their first 40 bytes read the same.
        h.width = static_cast<int32_t>(GetLe32(data + 4));
        h.height = static_cast<int32_t>(GetLe32(data + 8));
        h.bitCount = GetLe16(data + 14);
        h.compression = GetLe32(data + 16);
        const uint32_t used = GetLe32(data + 32) & 0xFFFF;
        h.colours = used != 0 ? used : PaletteColours(h.bitCount);
    } else {
        return h;
    }
    h.headerSize = headerSize;
    h.valid = true;
    return h;
}

uint64_t DibBitsStart(const DibHeader& h) {
    uint64_t offset = h.headerSize;
    if (h.headerSize == kInfoHeaderSize && h.compression == win::BI_BITFIELDS)
        offset += 12;
    return offset + uint64_t(h.colours) * (h.core ? 3 : 4);
}

bool DibHasPlainRows(const DibHeader& h) {
    return h.compression == win::BI_RGB || h.compression == win::BI_BITFIELDS;
}

uint64_t DibPixelArraySize(const DibHeader& h) {
    const uint64_t width = uint64_t(std::llabs(int64_t(h.width)));
    const uint64_t rows = uint64_t(std::llabs(int64_t(h.height)));
    const uint64_t stride = (width * h.bitCount + 31) / 32 * 4;
    if (stride != 0 && rows > std::numeric_limits<uint64_t>::max() / stride)
        return std::numeric_limits<uint64_t>::max();
    return stride * rows;
}

size_t DibBitsOffset(const std::vector<uint8_t>& dib) {
    const DibHeader h = ReadDibHeader(dib);
    if (!h.valid)
        return 0;
    const uint64_t offset = DibBitsStart(h);
    return offset < dib.size() ? static_cast<size_t>(offset) : 0;
}

std::string BitmapCaption(unsigned number, const DibHeader& header) {
    uint32_t count = header.colours;
    const char* suffix = ")";
    if (count == 0) {
        switch (header.bitCount) {
        case 16:
            count = 64, suffix = "K) 16 bits High Color";
            break;
        case 24:
            count = 16, suffix = "M) 24 bits True Color";
            break;
        case 32:
            count = 4, suffix = "G) 32 bits True Color";
            break;
        default:
            break;
        }
    }
    return "Bitmap " + ZeroPadded3(number) + " (" + std::to_string(header.width) + "x" +
           std::to_string(header.height) + "x" + std::to_string(count) + suffix;
}
