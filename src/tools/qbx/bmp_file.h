#pragma once
// Packed DIBs to and from the bytes of .bmp files.
#include <cstdint>
#include <string>
#include <vector>

// The 14-byte BITMAPFILEHEADER ("BM", file size, offset of the pixel bits) and the DIB.
// False when the DIB's header is not one that can be told where its bits begin.
bool DibToBmpFile(const std::vector<uint8_t>& dib, std::string& file);

// The packed DIB after the file header; false with the reason when `file` is not a bitmap.
bool BmpFileToDib(const std::string& file, std::vector<uint8_t>& dib, std::string& why);
