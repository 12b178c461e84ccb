#pragma once
// What the benchmarks time and the data they time it on: milliseconds of a duration, texts
// of words, and packed 24-bit DIBs. The same seed gives the same data in every run.
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

using Clock = std::chrono::steady_clock;

inline double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// `length` bytes of words, with a line break now and then.
inline std::string Words(size_t length, unsigned seed) {
    static const char* words[] = {"clip ", "board ", "history ", "paste ", "text\r\n", "menu "};
    std::string s;
    while (s.size() < length)
        s += words[(seed = seed * 1103515245 + 12345) >> 16 & 3 ? (seed >> 20) % 6 : 4];
    s.resize(length);
    return s;
}

// A BITMAPINFOHEADER of w x h at 24 bits and its rows of patterned pixels.
inline std::vector<uint8_t> Dib(int w, int h) {
    std::vector<uint8_t> d(40 + static_cast<size_t>((w * 3 + 3) & ~3) * h, 0);
    d[0] = 40;
    d[4] = static_cast<uint8_t>(w);
    d[5] = static_cast<uint8_t>(w >> 8);
    d[8] = static_cast<uint8_t>(h);
    d[9] = static_cast<uint8_t>(h >> 8);
    d[12] = 1;
    d[14] = 24;
    for (size_t i = 40; i < d.size(); ++i)
        d[i] = static_cast<uint8_t>(i * 13);
    return d;
}
