#pragma once
// The text forms of the "Font" and "Video" settings.
#include <cstdint>
#include <string>

extern const char* const FONT_SETTING;          // "Font"
extern const char* const FONT_SETTING_DEFAULT;  // "MS Sans Serif,8"
extern const char* const VIDEO_SETTING;         // "Video"
extern const char* const VIDEO_SETTING_DEFAULT; // "0.0.160.120"

constexpr size_t FONT_FACE_MAX = 31; // a face name's characters, without the NUL

// What the menu font is made from; all other font fields stay 0.
struct FontDescription {
    std::string faceName;
    int height = 0; // character height in pixels, negative as the system wants it
    uint8_t charSet = 0;
    uint8_t italic = 0;
    bool operator==(const FontDescription& o) const {
        return faceName == o.faceName && height == o.height && charSet == o.charSet &&
               italic == o.italic;
    }
};

// a * b / c rounded to the nearest integer, halves away from zero, as the system's
// multiply-divide does; -1 when c is 0 or the result does not fit.
int MulDivRounded(int a, int b, int c);

// "Face,points,charset,italic" at the screen's vertical pixels per inch. Fields that are
// missing or malformed keep their defaults (8 points, character set 0, not italic), and
// so do all fields after them.
FontDescription ParseFontSetting(const std::string& value, int dpiY);
// The value for the settings file: face, point size, character set, italic flag.
std::string FormatFontSetting(const FontDescription& font, int dpiY);

struct VideoPlacement {
    int left = 0;
    int top = 0;
    int width = 160;
    int height = 120;
    bool operator==(const VideoPlacement& o) const {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};

// "left.top.width.height"; numbers that are missing or malformed keep their defaults.
VideoPlacement ParseVideoSetting(const std::string& value);
std::string FormatVideoSetting(const VideoPlacement& placement);
