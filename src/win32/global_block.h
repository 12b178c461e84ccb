#pragma once
// Global memory blocks as clipboard, drag-and-drop and WM_DROPFILES hand data over.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "handles.h"

// A moveable, shareable block holding a copy of `data` (one zero byte for no data), as other
// programs expect of such blocks; empty when it cannot be made.
inline UniqueGlobal GlobalCopyOf(const std::vector<uint8_t>& data) {
    UniqueGlobal block(
        GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, data.empty() ? 1 : data.size()));
    if (!block)
        return block;
    GlobalLocked locked(block.Get());
    if (!locked.Data())
        return UniqueGlobal();
    if (!data.empty())
        std::memcpy(locked.Data(), data.data(), data.size());
    return block;
}
