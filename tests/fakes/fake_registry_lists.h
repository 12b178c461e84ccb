#pragma once
// The system's lists as in-memory keys: values are byte strings, subkeys are listed in the
// order they were added. Keys compare without regard to case.
#include "platform/registry_lists.h"

#include <map>
#include <string>
#include <vector>

class FakeRegistryLists : public IRegistryLists {
public:
    std::vector<std::string> SubkeyNames(const std::string& key) override;
    bool ReadValue(const std::string& key, const std::string& name,
                   std::vector<uint8_t>& data) const override;
    bool ReadWideString(const std::string& key, const std::string& name,
                        std::u16string& value) const override;

    // A string value with its NUL, as the 8-bit functions return it.
    void SetString(const std::string& key, const std::string& name, const std::string& value);
    // A UTF-16 string value with its NUL.
    void SetWide(const std::string& key, const std::string& name, const std::u16string& value);
    void SetBytes(const std::string& key, const std::string& name, std::vector<uint8_t> bytes);
    // "MRUListEx": the numbers as 32-bit values, then 0xFFFFFFFF.
    void SetListEx(const std::string& key, const std::vector<uint32_t>& numbers);
    // Makes `key` a subkey of its parent (the part before the last backslash).
    void AddKey(const std::string& key);

    std::vector<std::string> createdKeys; // keys SubkeyNames had to create

private:
    std::map<std::string, std::map<std::string, std::vector<uint8_t>>> m_values;
    std::map<std::string, std::vector<std::string>> m_subkeys;
};
