#pragma once
// System handles as the portable code sees them: opaque numbers that only src/win32 turns
// back into HWND, HMENU, HMODULE or HFONT. 0 means none.
#include <cstdint>

using WindowHandle = std::uintptr_t;
using MenuHandle = std::uintptr_t;
using ModuleHandle = std::uintptr_t;
using FontHandle = std::uintptr_t;
