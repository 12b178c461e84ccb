// The system's ANSI code page through its own conversions and case mapping.
#include "platform/code_page.h"

#include <windows.h>

namespace {

const wchar_t* W(const std::u16string& s) {
    return reinterpret_cast<const wchar_t*>(s.c_str());
}

} // namespace

namespace codepage {

std::u16string ToWide(const std::string& text) {
    if (text.empty())
        return {};
    const int n =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (n <= 0)
        return {};
    std::u16string out(static_cast<size_t>(n), u'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                        reinterpret_cast<wchar_t*>(&out[0]), n);
    return out;
}

bool FromWide(const std::u16string& text, std::string& out) {
    out.clear();
    if (text.empty())
        return true;
    // No best fit: a character the page lacks is not quietly turned into a look-alike.
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, W(text),
                                      static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    if (n <= 0)
        return false;
    out.assign(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, W(text), static_cast<int>(text.size()),
                        &out[0], n, nullptr, &usedDefault);
    // The round trip also catches what a page maps without using its default character.
    return !usedDefault && ToWide(out) == text;
}

std::string ChangeCase(const std::string& text, bool upper) {
    std::string out = text;
    if (!out.empty()) {
        const DWORD n = static_cast<DWORD>(out.size());
        if (upper)
            CharUpperBuffA(&out[0], n);
        else
            CharLowerBuffA(&out[0], n);
    }
    return out;
}

std::u16string ChangeCaseWide(const std::u16string& text, bool upper) {
    std::u16string out = text;
    if (!out.empty()) {
        wchar_t* p = reinterpret_cast<wchar_t*>(&out[0]);
        const DWORD n = static_cast<DWORD>(out.size());
        if (upper)
            CharUpperBuffW(p, n);
        else
            CharLowerBuffW(p, n);
    }
    return out;
}

} // namespace codepage
