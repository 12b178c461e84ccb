#pragma once
// A decoded picture as the packed DIB the program keeps for every bitmap item.
#include <cstdint>
#include <vector>

#include "platform/picture_decoder.h"

// Bytes of the 24-bit DIB that DibFromPicture makes of a picture of this size; 0 when the
// size is empty or too large for a DIB.
uint64_t PictureDibSize(uint32_t width, uint32_t height);

// A 24-bit bottom-up DIB with a 40-byte header. Transparent parts are laid over white, as
// most programs that paste the result would show them. Empty when the picture's pixels do
// not match its size.
std::vector<uint8_t> DibFromPicture(const DecodedPicture& picture);
