#include "store/bitmap_file.h"

#include "store/byte_block.h"
#include "store/dib_header.h"

#include <algorithm>
#include <limits>

namespace {

// Bytes of the pixel array that the block holds from `start` on.
uint64_t PixelBytesHeld(const DibHeader& h, uint64_t start, size_t size) {
    const uint64_t held = size - start;
    // Compressed pixels have no size that the dimensions give; keep them all. A block that
    // ends inside its pixel array gives what it holds.
    if (!DibHasPlainRows(h))
        return held;
    return std::min(DibPixelArraySize(h), held);
}

// The 14-byte file header of the layout.
void PutFileHeader(uint8_t* header, const BitmapFileLayout& layout) {
    header[0] = 'B';
    header[1] = 'M';
    PutLe32(header + 2, layout.fileSize);
    // Bytes 6 to 9 are the two reserved words, zero.
    PutLe32(header + 10, layout.bitsOffset);
}

} // namespace

BitmapFileLayout BitmapFileLayoutOf(const uint8_t* dib, size_t size) {
    BitmapFileLayout layout;
    const DibHeader h = ReadDibHeader(dib, size);
    if (!h.valid || h.width < 0)
        return layout;
    const uint64_t bitsStart = DibBitsStart(h);
    if (bitsStart > size)
        return layout;
    const uint64_t dibBytes = bitsStart + PixelBytesHeld(h, bitsStart, size);
    if (dibBytes > std::numeric_limits<uint32_t>::max() - kBitmapFileHeaderSize)
        return layout;
    layout.valid = true;
    layout.fileSize = static_cast<uint32_t>(kBitmapFileHeaderSize + dibBytes);
    layout.bitsOffset = static_cast<uint32_t>(kBitmapFileHeaderSize + bitsStart);
    layout.dibBytes = static_cast<size_t>(dibBytes);
    return layout;
}

bool WriteBitmapFile(std::FILE* file, const uint8_t* dib, size_t size) {
    const BitmapFileLayout layout = BitmapFileLayoutOf(dib, size);
    if (!layout.valid)
        return false;
    uint8_t header[kBitmapFileHeaderSize] = {};
    PutFileHeader(header, layout);
    return std::fwrite(header, 1, sizeof header, file) == sizeof header &&
           std::fwrite(dib, 1, layout.dibBytes, file) == layout.dibBytes;
}

std::string BitmapFileBytes(const uint8_t* dib, size_t size) {
    const BitmapFileLayout layout = BitmapFileLayoutOf(dib, size);
    if (!layout.valid)
        return std::string();
    std::string bytes(kBitmapFileHeaderSize, '\0');
    PutFileHeader(reinterpret_cast<uint8_t*>(&bytes[0]), layout);
    bytes.append(reinterpret_cast<const char*>(dib), layout.dibBytes);
    return bytes;
}
