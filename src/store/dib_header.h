#pragma once
// What the program reads from the header of a packed DIB: its size for the caption and the
// preview, its colour count, and where its pixel bits begin.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct DibHeader {
    bool valid = false; // the block holds a header of a known kind in full
    bool core = false;  // 12-byte header with 16-bit sizes and 3-byte colour entries
    uint32_t headerSize = 0;
    int32_t width = 0;
    int32_t height = 0; // negative for a top-down DIB
    uint16_t bitCount = 0;
    uint32_t compression = 0;
    uint32_t colours = 0; // entries in the colour table
};

// Never reads past `size`. A block too short for the header its size field names, or a
// header of an unknown size, gives valid == false and zero sizes.
DibHeader ReadDibHeader(const uint8_t* data, size_t size);
inline DibHeader ReadDibHeader(const std::vector<uint8_t>& dib) {
    return ReadDibHeader(dib.data(), dib.size());
}

// Where the header says the pixel bits begin: after the header, the three bit-field masks
// of a 40-byte header with BI_BITFIELDS, and the colour table (3-byte entries after a
// 12-byte header, 4-byte ones otherwise). It may lie beyond the block.
uint64_t DibBitsStart(const DibHeader& header);

// Whether the pixel bits are plain rows (BI_RGB or BI_BITFIELDS, and every 12-byte header),
// whose size the dimensions give; compressed bits carry their own length.
bool DibHasPlainRows(const DibHeader& header);

// Bytes of the plain rows: |height| rows of ((|width| x bit count + 31) / 32) x 4 bytes; the
// largest number when that does not fit in 64 bits.
uint64_t DibPixelArraySize(const DibHeader& header);

// Offset of the pixel bits (header, bit-field masks, colour table); 0 when the header is
// not valid or they would lie beyond the block.
size_t DibBitsOffset(const std::vector<uint8_t>& dib);

// "Bitmap 007 (1024x768x16M) 24 bits True Color", from the counter value and the header.
std::string BitmapCaption(unsigned number, const DibHeader& header);
