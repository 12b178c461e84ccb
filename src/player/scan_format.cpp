#include "player/scan_format.h"

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int DigitValue(char c, unsigned base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v >= 0 && static_cast<unsigned>(v) < base ? v : -1;
}

// Reads one number at `pos`; false (pos unchanged) when no digit can be read.
bool ReadNumber(const std::string& in, size_t& pos, unsigned base, size_t width, int32_t& value) {
    size_t p = pos;
    while (p < in.size() && IsSpace(in[p]))
        ++p;
    const size_t limit = width == 0 || in.size() - p < width ? in.size() : p + width;
    bool negative = false;
    if (p < limit && (in[p] == '-' || in[p] == '+')) {
        negative = in[p] == '-';
        ++p;
    }
    uint32_t acc = 0;
    size_t digits = 0;
    for (int d; p < limit && (d = DigitValue(in[p], base)) >= 0; ++p, ++digits)
        acc = acc * base + static_cast<uint32_t>(d);
    if (digits == 0)
        return false;
    if (negative)
        acc = 0u - acc;
    value = static_cast<int32_t>(acc);
    pos = p;
    return true;
}

} // namespace

int ScanValues(const std::string& input, const char* format, int32_t* values, int maxValues) {
    int count = 0;
    size_t pos = 0;
    for (const char* f = format; *f != 0; ++f) {
        if (IsSpace(*f)) {
            while (pos < input.size() && IsSpace(input[pos]))
                ++pos;
            continue;
        }
        if (*f != '%') {
            if (pos >= input.size() || input[pos] != *f)
                return count;
            ++pos;
            continue;
        }
        size_t width = 0;
        while (f[1] >= '0' && f[1] <= '9')
            width = width * 10 + static_cast<size_t>(*++f - '0');
        const char conv = *++f;
        if (conv == 0)
            return count;
        const unsigned base = conv == 'd' ? 10 : (conv == 'X' || conv == 'x') ? 16 : 0;
        int32_t value = 0;
        if (base == 0 || count >= maxValues || !ReadNumber(input, pos, base, width, value))
            return count;
        values[count++] = value;
    }
    return count;
}
