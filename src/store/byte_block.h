#pragma once
// The raw bytes of data blocks (clipboard and drop data, registry values, DIB headers, the
// collection files): little-endian integers, and strings that end at their NUL in a block
// that may be larger than the string it holds.
#include <cstdint>
#include <string>
#include <vector>

inline uint16_t GetLe16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

inline uint32_t GetLe32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

inline void PutLe16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

inline void PutLe32(uint8_t* p, uint32_t v) {
    PutLe16(p, static_cast<uint16_t>(v));
    PutLe16(p + 2, static_cast<uint16_t>(v >> 16));
}

// The 8-bit string at the start of the block, up to its first NUL (all of it when none).
std::string BlockString(const std::vector<uint8_t>& block);

// The UTF-16 string at the start of the block, up to its first NUL unit (all of it when
// none); an odd last byte belongs to no unit.
std::u16string BlockWideString(const std::vector<uint8_t>& block);
