#include "win32/port/registry_lists_win32.h"

#include <windows.h>

#include "store/byte_block.h"
#include "win32/port/reg_key.h"

namespace {
// Reads the value's data with the 8-bit or the UTF-16 function; the value may grow between
// asking for its size and reading it, so ask again a few times.
bool QueryValue(HKEY key, const std::string& name, bool wide, std::vector<uint8_t>& data,
                DWORD& type) {
    std::wstring wideName(name.begin(), name.end());
    DWORD size = 0;
    for (int tries = 0; tries < 4; ++tries) {
        data.resize(size);
        DWORD got = size;
        BYTE* buf = data.empty() ? nullptr : data.data();
        const LONG rc = wide ? RegQueryValueExW(key, wideName.c_str(), nullptr, &type, buf, &got)
                             : RegQueryValueExA(key, name.c_str(), nullptr, &type, buf, &got);
        if (rc == ERROR_SUCCESS && (buf || got == 0)) {
            data.resize(got);
            return true;
        }
        if (rc != ERROR_SUCCESS && rc != ERROR_MORE_DATA)
            return false;
        size = got;
    }
    return false;
}
} // namespace

std::vector<std::string> Win32RegistryLists::SubkeyNames(const std::string& key) {
    std::vector<std::string> names;
    // Created when missing, so that a later look finds it.
    const UniqueRegKey k = CreateRegKey(HKEY_CURRENT_USER, key, KEY_ENUMERATE_SUB_KEYS);
    if (!k)
        return names;
    for (DWORD i = 0;; ++i) {
        char name[MAX_PATH];
        DWORD length = MAX_PATH;
        if (RegEnumKeyExA(k.Get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        if (length > 0)
            names.emplace_back(name, length);
    }
    return names;
}

bool Win32RegistryLists::ReadValue(const std::string& key, const std::string& name,
                                   std::vector<uint8_t>& data) const {
    const UniqueRegKey k = OpenRegKey(HKEY_CURRENT_USER, key, KEY_QUERY_VALUE);
    DWORD type = 0;
    return k && QueryValue(k.Get(), name, false, data, type);
}

bool Win32RegistryLists::ReadWideString(const std::string& key, const std::string& name,
                                        std::u16string& value) const {
    const UniqueRegKey k = OpenRegKey(HKEY_CURRENT_USER, key, KEY_QUERY_VALUE);
    std::vector<uint8_t> data;
    DWORD type = 0;
    if (!k || !QueryValue(k.Get(), name, true, data, type))
        return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return false;
    value = BlockWideString(data);
    return true;
}
