#pragma once
// The packed DIB of a bitmap file, for qbx add --bmp.
#include <cstdint>
#include <string>
#include <vector>

// Everything after the file's first 14 bytes, as the program reads an edited bitmap back
// (the "BM" signature is not checked). False with the reason when no bitmap header of a
// known kind follows those 14 bytes, so that a file that is no bitmap is still refused.
bool BmpFileToDib(const std::string& file, std::vector<uint8_t>& dib, std::string& why);
