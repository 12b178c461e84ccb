#include "win32/port/registry_lists_win32.h"

#include <windows.h>

namespace {
// A key of the current user, closed when it goes.
class UserKey {
public:
    UserKey(const std::string& path, REGSAM access, bool create) {
        const LONG rc =
            create ? RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr,
                                     REG_OPTION_NON_VOLATILE, access, nullptr, &m_key, nullptr)
                   : RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, access, &m_key);
        if (rc != ERROR_SUCCESS)
            m_key = nullptr;
    }
    ~UserKey() {
        if (m_key)
            RegCloseKey(m_key);
    }
    UserKey(const UserKey&) = delete;
    UserKey& operator=(const UserKey&) = delete;
    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

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
    UserKey k(key, KEY_ENUMERATE_SUB_KEYS, true);
    if (!k.get())
        return names;
    for (DWORD i = 0;; ++i) {
        char name[MAX_PATH];
        DWORD length = MAX_PATH;
        if (RegEnumKeyExA(k.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        if (length > 0)
            names.emplace_back(name, length);
    }
    return names;
}

bool Win32RegistryLists::ReadValue(const std::string& key, const std::string& name,
                                   std::vector<uint8_t>& data) const {
    UserKey k(key, KEY_QUERY_VALUE, false);
    DWORD type = 0;
    return k.get() && QueryValue(k.get(), name, false, data, type);
}

bool Win32RegistryLists::ReadWideString(const std::string& key, const std::string& name,
                                        std::u16string& value) const {
    UserKey k(key, KEY_QUERY_VALUE, false);
    std::vector<uint8_t> data;
    DWORD type = 0;
    if (!k.get() || !QueryValue(k.get(), name, true, data, type))
        return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ)
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
