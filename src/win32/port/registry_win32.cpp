#include "win32/port/registry_win32.h"

#include <windows.h>

#include <vector>

namespace {

HKEY Root(RegHive hive) {
    return hive == RegHive::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

// An open key, closed when it goes.
class Key {
public:
    Key() = default;
    ~Key() {
        if (m_key)
            RegCloseKey(m_key);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    bool Open(RegHive hive, const std::string& path, REGSAM access) {
        return RegOpenKeyExA(Root(hive), path.c_str(), 0, access, &m_key) == ERROR_SUCCESS;
    }
    bool Create(RegHive hive, const std::string& path, REGSAM access) {
        return RegCreateKeyExA(Root(hive), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                               access, nullptr, &m_key, nullptr) == ERROR_SUCCESS;
    }
    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

} // namespace

bool Win32Registry::ReadString(RegHive hive, const std::string& key, const std::string& name,
                               std::string& value) const {
    Key k;
    if (!k.Open(hive, key, KEY_QUERY_VALUE))
        return false;
    DWORD type = 0, size = 0;
    LONG rc = RegQueryValueExA(k.get(), name.c_str(), nullptr, &type, nullptr, &size);
    // The value may change between the two calls; ask again while it grows.
    std::vector<char> buf;
    for (int tries = 0; tries < 4 && rc == ERROR_SUCCESS; ++tries) {
        if (type != REG_SZ && type != REG_EXPAND_SZ)
            return false;
        buf.assign(size + 1, '\0');
        DWORD got = size;
        rc = RegQueryValueExA(k.get(), name.c_str(), nullptr, &type,
                              reinterpret_cast<BYTE*>(buf.data()), &got);
        if (rc == ERROR_SUCCESS) {
            // Stored strings need not end in a NUL, or may hold several: take up to the first.
            buf[got < size ? got : size] = '\0';
            value.assign(buf.data());
            return true;
        }
        if (rc == ERROR_MORE_DATA) {
            size = got;
            rc = ERROR_SUCCESS;
        }
    }
    return false;
}

bool Win32Registry::WriteString(RegHive hive, const std::string& key, const std::string& name,
                                const std::string& value) {
    Key k;
    if (!k.Create(hive, key, KEY_SET_VALUE))
        return false;
    // The length counts the terminating NUL.
    return RegSetValueExA(k.get(), name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool Win32Registry::CreateKey(RegHive hive, const std::string& key) {
    Key k;
    return k.Create(hive, key, KEY_SET_VALUE);
}

bool Win32Registry::DeleteValue(RegHive hive, const std::string& key, const std::string& name) {
    Key k;
    return k.Open(hive, key, KEY_SET_VALUE) &&
           RegDeleteValueA(k.get(), name.c_str()) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteKey(RegHive hive, const std::string& key) {
    // Not recursive on NT: a key that still has subkeys stays.
    return RegDeleteKeyA(Root(hive), key.c_str()) == ERROR_SUCCESS;
}
