#pragma once
// The system's lists under HKEY_CURRENT_USER through the registry functions.
#include "platform/registry_lists.h"

class Win32RegistryLists : public IRegistryLists {
public:
    std::vector<std::string> SubkeyNames(const std::string& key) override;
    bool ReadValue(const std::string& key, const std::string& name,
                   std::vector<uint8_t>& data) const override;
    bool ReadWideString(const std::string& key, const std::string& name,
                        std::u16string& value) const override;
};
