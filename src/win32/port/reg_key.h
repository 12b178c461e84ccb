#pragma once
// Registry keys opened or created for one call and closed when their owner goes.
#include <windows.h>

#include <string>

#include "win32/handles.h"

// Empty when the key cannot be opened with that access.
inline UniqueRegKey OpenRegKey(HKEY root, const std::string& path, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, access, &key) != ERROR_SUCCESS)
        key = nullptr;
    return UniqueRegKey(key);
}

// Opens the key, creating it (and its parents) when it does not exist; empty on failure.
inline UniqueRegKey CreateRegKey(HKEY root, const std::string& path, REGSAM access) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        key = nullptr;
    return UniqueRegKey(key);
}
