#pragma once
// Counter items and counter captions hold a printf-like pattern written by the user, such as
// "Invoice #%04d". The pattern is user text: it is never handed to printf. This formatter
// understands exactly one integer conversion and prints everything else as it stands.
#include <cstdint>
#include <string>

struct CounterText {
    std::string text;
    bool counted = false; // the pattern held an integer conversion that took the value
};

// The first conversion among %d %i %u %x %X %o (flags "-+ #0", a width, a precision, the
// length modifiers h, hh, l, ll) is replaced by `value`; "%%" prints "%". Anything else -
// a second conversion, %s, %n, %p, a '*' width, a lone '%' - is copied literally. The result
// is at most pattern length + 31 bytes (longer results are cut), so widths such as
// "%999999999d" cost nothing.
CounterText FormatCounter(const std::string& pattern, uint32_t value);
