#pragma once
// Data offered in clipboard formats: the open system clipboard, or the data object of a
// drag-and-drop. Capture and drop handling read cuts through it.
#include <cstdint>
#include <vector>

class IDataOffer {
public:
    virtual ~IDataOffer() = default;
    virtual bool IsFormatAvailable(unsigned format) const = 0;
    // A copy of the format's data block (its whole allocated size); false when the format
    // is absent or its data cannot be had.
    virtual bool GetData(unsigned format, std::vector<uint8_t>& data) const = 0;
};
