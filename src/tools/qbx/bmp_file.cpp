#include "bmp_file.h"

#include "store/bitmap_file.h"
#include "store/dib_header.h"

bool BmpFileToDib(const std::string& file, std::vector<uint8_t>& dib, std::string& why) {
    if (file.size() <= kBitmapFileHeaderSize) {
        why = "not a bitmap file (it has only " + std::to_string(file.size()) + " bytes)";
        return false;
    }
    std::vector<uint8_t> bytes(file.begin() + kBitmapFileHeaderSize, file.end());
    if (!ReadDibHeader(bytes).valid) {
        why = "not a bitmap file (no bitmap header of a known kind follows its first 14 bytes)";
        return false;
    }
    dib.swap(bytes);
    return true;
}
