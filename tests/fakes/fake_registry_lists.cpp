#include "fakes/fake_registry_lists.h"

#include <algorithm>

#include "fakes/lower_case.h"

std::vector<std::string> FakeRegistryLists::SubkeyNames(const std::string& key) {
    auto it = m_subkeys.find(LowerCase(key));
    if (it == m_subkeys.end()) {
        if (m_values.find(LowerCase(key)) == m_values.end())
            createdKeys.push_back(key);
        return {};
    }
    return it->second;
}

bool FakeRegistryLists::ReadValue(const std::string& key, const std::string& name,
                                  std::vector<uint8_t>& data) const {
    auto k = m_values.find(LowerCase(key));
    if (k == m_values.end())
        return false;
    auto v = k->second.find(LowerCase(name));
    if (v == k->second.end())
        return false;
    data = v->second;
    return true;
}

bool FakeRegistryLists::ReadWideString(const std::string& key, const std::string& name,
                                       std::u16string& value) const {
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

void FakeRegistryLists::SetString(const std::string& key, const std::string& name,
                                  const std::string& value) {
    std::vector<uint8_t> bytes(value.begin(), value.end());
    bytes.push_back(0);
    SetBytes(key, name, std::move(bytes));
}

void FakeRegistryLists::SetWide(const std::string& key, const std::string& name,
                                const std::u16string& value) {
    std::vector<uint8_t> bytes;
    for (char16_t u : value + u'\0') {
        bytes.push_back(static_cast<uint8_t>(u & 0xFF));
        bytes.push_back(static_cast<uint8_t>(u >> 8));
    }
    SetBytes(key, name, std::move(bytes));
}

void FakeRegistryLists::SetBytes(const std::string& key, const std::string& name,
                                 std::vector<uint8_t> bytes) {
    AddKey(key);
    m_values[LowerCase(key)][LowerCase(name)] = std::move(bytes);
}

void FakeRegistryLists::SetListEx(const std::string& key, const std::vector<uint32_t>& numbers) {
    std::vector<uint8_t> bytes;
    std::vector<uint32_t> all = numbers;
    all.push_back(0xFFFFFFFF);
    for (uint32_t n : all)
        for (int b = 0; b < 4; ++b)
            bytes.push_back(static_cast<uint8_t>(n >> (8 * b)));
    SetBytes(key, "MRUListEx", std::move(bytes));
}

void FakeRegistryLists::AddKey(const std::string& key) {
    m_values[LowerCase(key)];
    const size_t slash = key.rfind('\\');
    if (slash == std::string::npos)
        return;
    const std::string parent = LowerCase(key.substr(0, slash));
    auto& names = m_subkeys[parent];
    const std::string name = key.substr(slash + 1);
    if (std::find(names.begin(), names.end(), name) == names.end())
        names.push_back(name);
}
