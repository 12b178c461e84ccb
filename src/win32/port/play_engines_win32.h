#pragma once
// The players' system calls: the wildcard file search, PlaySound with the output volumes,
// and the multimedia command interface.
#include "platform/play_engines.h"

class Win32FileLister final : public IFileLister {
public:
    bool Exists(const std::string& path) const override;
    bool Find(const std::string& pattern, size_t limit,
              std::vector<std::string>& names) const override;
};

class Win32WaveOut final : public IWaveOut {
public:
    WaveResult PlayFile(const std::string& path) override;
    void Purge() override;
    void SetVolume(int level) override;
};

class Win32Mci final : public IMci {
public:
    uint32_t Open(const std::string& path, uint32_t& device) override;
    uint32_t Send(uint32_t device, MciCommand command, uint32_t argument) override;
    uint32_t Status(uint32_t device, MciStatusItem item, uint32_t& value) override;
    std::string ErrorText(uint32_t error) override;
};
