#pragma once
#include "platform/picture_decoder.h"

// PNG pictures through the Windows Imaging Component.
class Win32PictureDecoder final : public IPictureDecoder {
public:
    bool DecodePng(const std::vector<uint8_t>& png, uint64_t maxPixels,
                   DecodedPicture& picture) const override;
};
