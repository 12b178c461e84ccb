#include "win32/port/registry_win32.h"

#include <windows.h>

#include <vector>

#include "win32/port/reg_key.h"

namespace {

HKEY Root(RegHive hive) {
    switch (hive) {
    case RegHive::CurrentUser:
        return HKEY_CURRENT_USER;
    case RegHive::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    default:
        return HKEY_LOCAL_MACHINE;
    }
}

} // namespace

bool Win32Registry::ReadString(RegHive hive, const std::string& key, const std::string& name,
                               std::string& value) const {
    const UniqueRegKey k = OpenRegKey(Root(hive), key, KEY_QUERY_VALUE);
    if (!k)
        return false;
    DWORD type = 0, size = 0;
    LONG rc = RegQueryValueExA(k.Get(), name.c_str(), nullptr, &type, nullptr, &size);
    // The value may change between the two calls; ask again while it grows.
    std::vector<char> buf;
    for (int tries = 0; tries < 4 && rc == ERROR_SUCCESS; ++tries) {
        if (type != REG_SZ && type != REG_EXPAND_SZ)
            return false;
        buf.assign(size + 1, '\0');
        DWORD got = size;
        rc = RegQueryValueExA(k.Get(), name.c_str(), nullptr, &type,
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
    const UniqueRegKey k = CreateRegKey(Root(hive), key, KEY_SET_VALUE);
    if (!k)
        return false;
    // The length counts the terminating NUL.
    return RegSetValueExA(k.Get(), name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool Win32Registry::CreateKey(RegHive hive, const std::string& key) {
    return static_cast<bool>(CreateRegKey(Root(hive), key, KEY_SET_VALUE));
}

bool Win32Registry::DeleteValue(RegHive hive, const std::string& key, const std::string& name) {
    const UniqueRegKey k = OpenRegKey(Root(hive), key, KEY_SET_VALUE);
    return k && RegDeleteValueA(k.Get(), name.c_str()) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteKey(RegHive hive, const std::string& key) {
    // Not recursive on NT: a key that still has subkeys stays.
    return RegDeleteKeyA(Root(hive), key.c_str()) == ERROR_SUCCESS;
}
