#pragma once
// The system's lists as in-memory keys: values are byte strings, subkeys are listed in the
// order they were added. Keys compare without regard to case.
#include "fakes/fake_text.h"
#include "platform/registry_lists.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

class FakeRegistryLists : public IRegistryLists {
public:
    std::vector<std::string> SubkeyNames(const std::string& key) override {
        auto it = m_subkeys.find(LowerCase(key));
        if (it != m_subkeys.end())
            return it->second;
        if (m_values.find(LowerCase(key)) == m_values.end())
            createdKeys.push_back(key);
        return {};
    }
    bool ReadValue(const std::string& key, const std::string& name,
                   std::vector<uint8_t>& data) const override {
        auto k = m_values.find(LowerCase(key));
        if (k == m_values.end())
            return false;
        auto v = k->second.find(LowerCase(name));
        if (v == k->second.end())
            return false;
        data = v->second;
        return true;
    }
    bool ReadWideString(const std::string& key, const std::string& name,
                        std::u16string& value) const override {
        std::vector<uint8_t> data;
        if (!ReadValue(key, name, data))
            return false;
        value.clear();
        for (size_t i = 0; i + 1 < data.size(); i += 2) {
            const char16_t unit = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
            if (unit == 0)
                break;
            value += unit;
        }
        return true;
    }

    // A string value with its NUL, as the 8-bit functions return it.
    void SetString(const std::string& key, const std::string& name, const std::string& value) {
        std::vector<uint8_t> bytes(value.begin(), value.end());
        bytes.push_back(0);
        SetBytes(key, name, std::move(bytes));
    }
    void SetWide(const std::string& key, const std::string& name, const std::u16string& value) {
        SetBytes(key, name, Utf16Bytes(value + u'\0'));
    }
    void SetBytes(const std::string& key, const std::string& name, std::vector<uint8_t> bytes) {
        AddKey(key);
        m_values[LowerCase(key)][LowerCase(name)] = std::move(bytes);
    }
    // "MRUListEx": the numbers as 32-bit values, then 0xFFFFFFFF.
    void SetListEx(const std::string& key, const std::vector<uint32_t>& numbers) {
        std::vector<uint8_t> bytes(4 * numbers.size() + 4, 0xFF);
        for (size_t i = 0; i < 4 * numbers.size(); ++i)
            bytes[i] = static_cast<uint8_t>(numbers[i / 4] >> (8 * (i % 4)));
        SetBytes(key, "MRUListEx", std::move(bytes));
    }
    // Makes `key` a subkey of its parent (the part before the last backslash).
    void AddKey(const std::string& key) {
        m_values[LowerCase(key)];
        const size_t slash = key.rfind('\\');
        if (slash == std::string::npos)
            return;
        auto& names = m_subkeys[LowerCase(key.substr(0, slash))];
        const std::string name = key.substr(slash + 1);
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }

    std::vector<std::string> createdKeys; // keys SubkeyNames had to create

private:
    std::map<std::string, std::map<std::string, std::vector<uint8_t>>> m_values;
    std::map<std::string, std::vector<std::string>> m_subkeys;
};
