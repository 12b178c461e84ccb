#include "store/setting_values.h"

#include <climits>
#include <cstdlib>

const char* const FONT_SETTING = "Font";
const char* const FONT_SETTING_DEFAULT = "MS Sans Serif,8";
const char* const VIDEO_SETTING = "Video";
const char* const VIDEO_SETTING_DEFAULT = "0.0.160.120";

namespace {

constexpr unsigned kDefaultPoints = 8;
constexpr unsigned kMaxPoints = 32767;
constexpr int kFallbackDpi = 96;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Reads a decimal number at `pos` (blanks before it allowed, and a sign when `signedValue`),
// as scanf's %u and %d read them; false when there is none or it does not fit in `limit`.
bool ReadNumber(const std::string& s, size_t& pos, bool signedValue, long long limit,
                long long& out) {
    size_t i = pos;
    while (i < s.size() && IsSpace(s[i]))
        ++i;
    bool negative = false;
    if (signedValue && i < s.size() && (s[i] == '-' || s[i] == '+'))
        negative = s[i++] == '-';
    size_t start = i;
    long long value = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        value = value * 10 + (s[i] - '0');
        if (value > limit + 1)
            return false;
        ++i;
    }
    if (i == start)
        return false;
    if (negative)
        value = -value;
    if (value > limit || value < -limit - 1)
        return false;
    pos = i;
    out = value;
    return true;
}

// The numbers of `s` from `pos` on, separated by `sep`, into `fields` until one is missing.
template <size_t N>
void ReadFields(const std::string& s, size_t pos, char sep, bool signedValue,
                const long long (&limits)[N], long long (&fields)[N]) {
    for (size_t n = 0; n < N; ++n) {
        if (n > 0) {
            if (pos >= s.size() || s[pos] != sep)
                return;
            ++pos;
        }
        if (!ReadNumber(s, pos, signedValue, limits[n], fields[n]))
            return;
    }
}

} // namespace

int MulDivRounded(int a, int b, int c) {
    if (c == 0)
        return -1;
    long long num = static_cast<long long>(a) * b;
    long long den = c;
    if (den < 0) {
        num = -num;
        den = -den;
    }
    long long q = num >= 0 ? (num + den / 2) / den : (num - den / 2) / den;
    if (q > INT_MAX || q < -INT_MAX)
        return -1;
    return static_cast<int>(q);
}

FontDescription ParseFontSetting(const std::string& value, int dpiY) {
    if (dpiY <= 0)
        dpiY = kFallbackDpi;
    FontDescription font;
    size_t comma = value.find(',');
    font.faceName = value.substr(0, comma).substr(0, FONT_FACE_MAX);
    long long fields[3] = {kDefaultPoints, 0, 0};
    const long long limits[3] = {kMaxPoints, 255, 255};
    if (comma != std::string::npos)
        ReadFields(value, comma + 1, ',', false, limits, fields);
    font.height = -MulDivRounded(static_cast<int>(fields[0]), dpiY, 72);
    font.charSet = static_cast<uint8_t>(fields[1]);
    font.italic = static_cast<uint8_t>(fields[2]);
    return font;
}

std::string FormatFontSetting(const FontDescription& font, int dpiY) {
    if (dpiY <= 0)
        dpiY = kFallbackDpi;
    // Heights from the font dialog are negative (character height); a positive one is a
    // cell height and still gives a positive size here.
    int points = std::abs(MulDivRounded(font.height, 72, dpiY));
    return font.faceName.substr(0, FONT_FACE_MAX) + "," + std::to_string(points) + "," +
           std::to_string(font.charSet) + "," + std::to_string(font.italic);
}

VideoPlacement ParseVideoSetting(const std::string& value) {
    VideoPlacement p;
    long long fields[4] = {p.left, p.top, p.width, p.height};
    const long long limits[4] = {INT_MAX, INT_MAX, INT_MAX, INT_MAX};
    ReadFields(value, 0, '.', true, limits, fields);
    p.left = static_cast<int>(fields[0]);
    p.top = static_cast<int>(fields[1]);
    p.width = static_cast<int>(fields[2]);
    p.height = static_cast<int>(fields[3]);
    return p;
}

std::string FormatVideoSetting(const VideoPlacement& p) {
    return std::to_string(p.left) + "." + std::to_string(p.top) + "." + std::to_string(p.width) +
           "." + std::to_string(p.height);
}
