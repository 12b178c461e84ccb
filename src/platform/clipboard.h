#pragma once
// The system clipboard. Reading goes through IDataOffer while it is open; capture reads the
// cuts of other programs, and pasting writes the program's own.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/data_offer.h"
#include "platform/handles.h"

class IClipboard : public IDataOffer {
public:
    // Opens the clipboard for `owner`; false when another program holds it open.
    virtual bool Open(WindowHandle owner) = 0;
    virtual void Close() = 0;
    // Bytes of the format's data block without reading it; 0 when it cannot be had.
    virtual size_t DataSize(unsigned format) const = 0;
    // Empties the open clipboard; the opener becomes its owner.
    virtual bool Empty() = 0;
    // Puts a copy of `data` on the open clipboard under `format`.
    virtual bool SetData(unsigned format, const std::vector<uint8_t>& data) = 0;
    // The number of the format registered under `name` (the same for every program that
    // registers that name; letter case does not matter); 0 on failure.
    virtual unsigned RegisterFormat(const char* name) = 0;
    // A number that changes with every change of the clipboard's content; 0 when the
    // system keeps none.
    virtual uint32_t SequenceNumber() const = 0;
    // After a new cut was read: a bridge that copies another system's clipboard onto this
    // one and gives up a cut when it finds the clipboard open (Wine's, from the X clipboard)
    // is asked to offer again what it missed. Nothing where there is no such bridge.
    virtual void AskForMissedCuts() = 0;
};
