#include "store/counter_format.h"

#include <algorithm>
#include <cstring>

namespace {

// What stands between '%' and the conversion letter.
struct Spec {
    bool left = false, plus = false, space = false, alt = false, zero = false;
    size_t width = 0;
    bool hasPrecision = false;
    size_t precision = 0;
    int shortness = 0; // 1 for h, 2 for hh
};

bool IsIntegerConversion(char c) {
    return c && std::strchr("diuxXo", c) != nullptr;
}

// Reads decimal digits at `pos`, saturating at `cap`.
size_t ReadNumber(const std::string& s, size_t& pos, size_t cap) {
    size_t n = 0;
    while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9') {
        n = std::min(cap, n * 10 + static_cast<size_t>(s[pos] - '0'));
        ++pos;
    }
    return n;
}

// Parses the part after '%' at `pos`; on return `pos` is at the conversion letter (or at
// the end of the pattern).
Spec ParseSpec(const std::string& s, size_t& pos, size_t cap) {
    Spec spec;
    for (; pos < s.size(); ++pos) {
        const char c = s[pos];
        if (c == '-')
            spec.left = true;
        else if (c == '+')
            spec.plus = true;
        else if (c == ' ')
            spec.space = true;
        else if (c == '#')
            spec.alt = true;
        else if (c == '0')
            spec.zero = true;
        else
            break;
    }
    spec.width = ReadNumber(s, pos, cap);
    if (pos < s.size() && s[pos] == '.') {
        ++pos;
        spec.hasPrecision = true;
        spec.precision = ReadNumber(s, pos, cap);
    }
    if (s.compare(pos, 2, "hh") == 0) {
        spec.shortness = 2;
        pos += 2;
    } else if (s.compare(pos, 2, "ll") == 0) {
        pos += 2;
    } else if (pos < s.size() && (s[pos] == 'h' || s[pos] == 'l')) {
        spec.shortness = s[pos] == 'h' ? 1 : 0;
        ++pos;
    }
    return spec;
}

std::string Digits(uint64_t magnitude, unsigned base, bool upper) {
    const char* set = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string digits;
    do {
        digits.push_back(set[magnitude % base]);
        magnitude /= base;
    } while (magnitude != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
}

// One integer conversion as printf would print it.
std::string FormatInteger(const Spec& spec, char conv, uint32_t value) {
    const bool isSigned = conv == 'd' || conv == 'i';
    bool negative = false;
    uint64_t magnitude;
    if (isSigned) {
        int64_t v = static_cast<int32_t>(value);
        if (spec.shortness == 1)
            v = static_cast<int16_t>(value);
        else if (spec.shortness == 2)
            v = static_cast<int8_t>(value);
        negative = v < 0;
        magnitude = negative ? static_cast<uint64_t>(-v) : static_cast<uint64_t>(v);
    } else {
        magnitude = value;
        if (spec.shortness == 1)
            magnitude = static_cast<uint16_t>(value);
        else if (spec.shortness == 2)
            magnitude = static_cast<uint8_t>(value);
    }
    const unsigned base = conv == 'o' ? 8 : (conv == 'x' || conv == 'X') ? 16 : 10;

    std::string digits;
    if (!(spec.hasPrecision && spec.precision == 0 && magnitude == 0))
        digits = Digits(magnitude, base, conv == 'X');
    if (digits.size() < spec.precision)
        digits.insert(0, spec.precision - digits.size(), '0');
    if (spec.alt && conv == 'o' && (digits.empty() || digits[0] != '0'))
        digits.insert(0, 1, '0');

    std::string prefix;
    if (negative)
        prefix = "-";
    else if (isSigned && spec.plus)
        prefix = "+";
    else if (isSigned && spec.space)
        prefix = " ";
    if (spec.alt && magnitude != 0 && base == 16)
        prefix = conv == 'X' ? "0X" : "0x";

    const size_t length = prefix.size() + digits.size();
    if (spec.width <= length)
        return prefix + digits;
    const size_t pad = spec.width - length;
    if (spec.left)
        return prefix + digits + std::string(pad, ' ');
    if (spec.zero && !spec.hasPrecision)
        return prefix + std::string(pad, '0') + digits;
    return std::string(pad, ' ') + prefix + digits;
}

} // namespace

CounterText FormatCounter(const std::string& pattern, uint32_t value) {
    const size_t limit = pattern.size() + 31;
    CounterText out;
    size_t i = 0;
    while (i < pattern.size() && out.text.size() < limit) {
        const char c = pattern[i];
        if (c != '%') {
            out.text.push_back(c);
            ++i;
            continue;
        }
        if (i + 1 < pattern.size() && pattern[i + 1] == '%') {
            out.text.push_back('%');
            i += 2;
            continue;
        }
        size_t pos = i + 1;
        const Spec spec = ParseSpec(pattern, pos, limit);
        const char conv = pos < pattern.size() ? pattern[pos] : '\0';
        if (!out.counted && IsIntegerConversion(conv)) {
            out.text += FormatInteger(spec, conv, value);
            out.counted = true;
            i = pos + 1;
        } else {
            // Not ours to interpret: the '%' stays, and the rest is read as plain text.
            out.text.push_back('%');
            ++i;
        }
    }
    if (out.text.size() > limit)
        out.text.resize(limit);
    return out;
}
