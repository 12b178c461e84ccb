#pragma once
// The bitmap file of a packed DIB, the form in which a picture item goes to other programs:
// a 14-byte file header ("BM", file size, offset of the pixel array), then the DIB up to
// the end of its pixel array. Reading such a file back takes everything after the 14 bytes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

constexpr size_t kBitmapFileHeaderSize = 14;

struct BitmapFileLayout {
    bool valid = false;      // false: no file can be made from the block
    uint32_t fileSize = 0;   // the file header's size field: 14 + dibBytes
    uint32_t bitsOffset = 0; // the file header's pixel-array offset
    size_t dibBytes = 0;     // bytes of the block that follow the file header
};

// The layout of the file for the DIB block `dib` of `size` bytes. The pixel array is
// |height| rows of ((width x bit count + 31) / 32) x 4 bytes; compressed pixels are all the
// block holds after the colour table. A block that ends inside its pixel array gives all
// it holds, with a size field that matches. Not valid when the block holds no header of a
// known kind, ends before its pixel array begins, or would make a file of 4 GB or more.
BitmapFileLayout BitmapFileLayoutOf(const uint8_t* dib, size_t size);

// The bitmap file of the block as bytes; empty when the block gives no valid layout.
std::string BitmapFileBytes(const uint8_t* dib, size_t size);

// Writes the bitmap file of the block to the open file. False when the block gives no
// valid layout (nothing is written) or a write fails.
bool WriteBitmapFile(std::FILE* file, const uint8_t* dib, size_t size);
