#include "bmp_file.h"

#include "store/dib_header.h"

namespace {

constexpr size_t kFileHeaderSize = 14;

void PutLe(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>(value >> (8 * i)));
}

} // namespace

bool DibToBmpFile(const std::vector<uint8_t>& dib, std::string& file) {
    size_t bits = DibBitsOffset(dib);
    if (bits == 0 || dib.size() > UINT32_MAX - kFileHeaderSize)
        return false;
    file.assign("BM");
    PutLe(file, static_cast<uint32_t>(kFileHeaderSize + dib.size()), 4);
    PutLe(file, 0, 4); // two reserved words
    PutLe(file, static_cast<uint32_t>(kFileHeaderSize + bits), 4);
    file.append(reinterpret_cast<const char*>(dib.data()), dib.size());
    return true;
}

bool BmpFileToDib(const std::string& file, std::vector<uint8_t>& dib, std::string& why) {
    if (file.size() < kFileHeaderSize || file.compare(0, 2, "BM") != 0) {
        why = "not a .bmp file (it does not begin with \"BM\")";
        return false;
    }
    std::vector<uint8_t> bytes(file.begin() + kFileHeaderSize, file.end());
    if (!ReadDibHeader(bytes).valid) {
        why = "the bitmap header after the file header is not one Windows knows";
        return false;
    }
    dib.swap(bytes);
    return true;
}
