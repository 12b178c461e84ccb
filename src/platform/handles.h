#pragma once
// System handles as the portable code sees them: opaque numbers that only src/win32 turns
// back into HWND, HMENU, HMODULE or HFONT. Each kind is its own type, so that one cannot be
// passed where another is meant. The value-initialised handle ({}) means none.
#include <cstdint>

enum class WindowHandle : std::uintptr_t {};
enum class MenuHandle : std::uintptr_t {};
enum class ModuleHandle : std::uintptr_t {};
enum class FontHandle : std::uintptr_t {};

constexpr WindowHandle NO_WINDOW{};
constexpr MenuHandle NO_MENU{};
constexpr FontHandle NO_FONT{};
