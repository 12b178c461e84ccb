#pragma once
// The lists the system keeps under HKEY_CURRENT_USER (typed web addresses, documents opened,
// saved and recently used): raw values and subkeys, read as the Explorer stores them.
// Implemented in src/win32/port; tests use tests/fakes/fake_registry_lists.
#include <cstdint>
#include <string>
#include <vector>

class IRegistryLists {
public:
    virtual ~IRegistryLists() = default;
    // Names of the key's subkeys in the system's order (empty names left out). The key is
    // created when it does not exist, so that a later look finds it.
    virtual std::vector<std::string> SubkeyNames(const std::string& key) = 0;
    // The value's data exactly as the 8-bit functions return it (a string with its NUL);
    // false when the key or the value is missing.
    virtual bool ReadValue(const std::string& key, const std::string& name,
                           std::vector<uint8_t>& data) const = 0;
    // A string value as UTF-16, up to its first NUL; false when missing or not a string.
    virtual bool ReadWideString(const std::string& key, const std::string& name,
                                std::u16string& value) const = 0;
};
