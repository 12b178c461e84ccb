#pragma once
#include "platform/clipboard.h"

class Win32Clipboard final : public IClipboard {
public:
    bool IsFormatAvailable(unsigned format) const override;
    bool GetData(unsigned format, std::vector<uint8_t>& data) const override;
    size_t DataSize(unsigned format) const override;
    bool Open(WindowHandle owner) override;
    void Close() override;
    bool Empty() override;
    bool SetData(unsigned format, const std::vector<uint8_t>& data) override;
    unsigned RegisterFormat(const char* name) override;
    uint32_t SequenceNumber() const override;
    void AskForMissedCuts() override;
};
