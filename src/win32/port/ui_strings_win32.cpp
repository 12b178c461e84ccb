// Numbered texts from the program's own string table (res/strings.rc).
// HOOK(settings): the language library is asked first once the settings unit loads one.
#include "platform/ui_strings.h"

#include <windows.h>

#include <cstdlib>

namespace {
// The string's text, or false when the table has no such string.
bool LoadOwnString(unsigned id, std::string& text) {
    const wchar_t* p = nullptr;
    // With a zero buffer size LoadStringW hands out the read-only resource text itself.
    const int n = LoadStringW(GetModuleHandleA(nullptr), id, reinterpret_cast<LPWSTR>(&p), 0);
    if (n <= 0 || !p)
        return false;
    const int bytes = WideCharToMultiByte(CP_ACP, 0, p, n, nullptr, 0, nullptr, nullptr);
    text.assign(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0)
        WideCharToMultiByte(CP_ACP, 0, p, n, &text[0], bytes, nullptr, nullptr);
    return true;
}
} // namespace

std::string LoadUiString(unsigned id) {
    std::string text;
    if (!LoadOwnString(id, text))
        return std::string();
    // "#N" stands for string N, followed once.
    if (text.size() > 1 && text[0] == '#') {
        const unsigned long ref = std::strtoul(text.c_str() + 1, nullptr, 10);
        if (ref != 0) {
            std::string target;
            return LoadOwnString(static_cast<unsigned>(ref), target) ? target : std::string();
        }
    }
    return text;
}
