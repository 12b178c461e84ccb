// Native code page: Windows-1252, the page of the program's tests and of the native tool.
// Case maps the letters of Latin-1, Windows-1252, Greek and Cyrillic, which is all the
// native build needs.
#include "platform/code_page.h"

namespace {

// Units of the bytes 0x80..0x9F; the five unassigned bytes keep their own value, as the
// system's conversion does.
const char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t UnitOf(unsigned char c) {
    return c >= 0x80 && c < 0xA0 ? kHigh[c - 0x80] : static_cast<char16_t>(c);
}

bool ByteOf(char16_t u, char& out) {
    if (u < 0x80 || (u >= 0xA0 && u < 0x100)) {
        out = static_cast<char>(u);
        return true;
    }
    for (unsigned i = 0; i < 32; ++i) {
        if (kHigh[i] == u) {
            out = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

bool IsHighSurrogate(char16_t u) {
    return u >= 0xD800 && u < 0xDC00;
}

char16_t Upper(char16_t u) {
    if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7) ||
        (u >= 0x3B1 && u <= 0x3C9 && u != 0x3C2) || (u >= 0x430 && u <= 0x44F))
        return static_cast<char16_t>(u - 32);
    if (u >= 0x450 && u <= 0x45F)
        return static_cast<char16_t>(u - 80);
    switch (u) {
    case 0xFF:
        return 0x178;
    case 0x153:
        return 0x152;
    case 0x161:
        return 0x160;
    case 0x17E:
        return 0x17D;
    case 0x3C2:
        return 0x3A3;
    default:
        return u;
    }
}

char16_t Lower(char16_t u) {
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7) ||
        (u >= 0x391 && u <= 0x3A9 && u != 0x3A2) || (u >= 0x410 && u <= 0x42F))
        return static_cast<char16_t>(u + 32);
    if (u >= 0x400 && u <= 0x40F)
        return static_cast<char16_t>(u + 80);
    switch (u) {
    case 0x178:
        return 0xFF;
    case 0x152:
        return 0x153;
    case 0x160:
        return 0x161;
    case 0x17D:
        return 0x17E;
    default:
        return u;
    }
}

} // namespace

namespace codepage {

std::u16string ToWide(const std::string& text) {
    std::u16string out(text.size(), u'\0');
    for (size_t i = 0; i < text.size(); ++i)
        out[i] = UnitOf(static_cast<unsigned char>(text[i]));
    return out;
}

bool FromWide(const std::u16string& text, std::string& out) {
    out.clear();
    out.reserve(text.size());
    bool whole = true;
    for (size_t i = 0; i < text.size(); ++i) {
        char c;
        if (!ByteOf(text[i], c)) {
            c = '?';
            whole = false;
            if (IsHighSurrogate(text[i]) && i + 1 < text.size())
                ++i; // one character, one replacement
        }
        out += c;
    }
    return whole;
}

std::string ChangeCase(const std::string& text, bool upper) {
    std::string out = text;
    for (char& c : out) {
        const char16_t u = UnitOf(static_cast<unsigned char>(c));
        char mapped;
        if (ByteOf(upper ? Upper(u) : Lower(u), mapped))
            c = mapped;
    }
    return out;
}

std::u16string ChangeCaseWide(const std::u16string& text, bool upper) {
    std::u16string out = text;
    for (char16_t& u : out)
        u = upper ? Upper(u) : Lower(u);
    return out;
}

} // namespace codepage
