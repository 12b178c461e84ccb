#include "ui/camera_rules.h"

#include <algorithm>
#include <cstdio>

const char* const CAMERA_SIZES[CAMERA_SIZE_COUNT] = {"8x8",   "16x16",  "32x32 icon", "48x48",
                                                     "64x64", "120x90", "150x80",     "468x60"};

namespace {
constexpr PixelSize DEFAULT_VIEW = {120, 90};
// The default Camera stands this far from the screen's right edge and its top.
constexpr int DEFAULT_RIGHT_GAP = 120;
constexpr int DEFAULT_TOP = 90;

PixelSize WindowSizeFor(PixelSize view, const CameraMetrics& m) {
    return {m.ncWidth + m.cxPanel + 2 * m.cxBorder + view.cx,
            m.ncHeight + m.cyPanel + 2 * m.cyBorder + view.cy};
}

int Hex(int value) {
    return std::max(0, std::min(value, 255));
}
} // namespace

PixelRect DefaultCameraRect(int screenWidth, const CameraMetrics& m) {
    const PixelSize size = WindowSizeFor(DEFAULT_VIEW, m);
    PixelRect r;
    r.right = screenWidth - DEFAULT_RIGHT_GAP;
    r.left = r.right - size.cx;
    r.top = DEFAULT_TOP;
    r.bottom = r.top + size.cy;
    return r;
}

bool ReadCameraSize(const std::string& text, PixelSize& size) {
    int w = DEFAULT_VIEW.cx;
    int h = DEFAULT_VIEW.cy;
    std::sscanf(text.c_str(), "%d%*1c%d", &w, &h);
    if (w < 0 || h < 0)
        return false;
    size = {w, h};
    return true;
}

PixelRect CameraRectForSize(int left, int top, PixelSize size, const PixelRect& screen,
                            const CameraMetrics& m) {
    const PixelSize view = {std::max(0, std::min(size.cx, screen.right - screen.left)),
                            std::max(0, std::min(size.cy, screen.bottom - screen.top))};
    const PixelSize window = WindowSizeFor(view, m);
    return {left, top, left + window.cx, top + window.cy};
}

PixelSize CameraMinimumSize(const CameraMetrics& m) {
    return WindowSizeFor({1, 1}, m);
}

PixelSize ShownSize(PixelSize client, const CameraMetrics& m) {
    return {std::max(0, client.cx - m.cxPanel - 2 * m.cxBorder),
            std::max(0, client.cy - m.cyPanel - 2 * m.cyBorder)};
}

CameraFragment FragmentAt(ScreenPoint at, PixelSize view, const PixelRect& screen) {
    CameraFragment f;
    f.size = {std::max(0, std::min(view.cx, screen.right - screen.left)),
              std::max(0, std::min(view.cy, screen.bottom - screen.top))};
    const int x = std::max(screen.left, std::min(at.x, screen.right - 1));
    const int y = std::max(screen.top, std::min(at.y, screen.bottom - 1));
    f.source = {x, y, std::min(x + f.size.cx, screen.right),
                std::min(y + f.size.cy, screen.bottom)};
    return f;
}

std::string ColourText(int red, int green, int blue) {
    const char* digits = "0123456789ABCDEF";
    std::string text;
    for (int part : {Hex(red), Hex(green), Hex(blue)}) {
        text += digits[part >> 4];
        text += digits[part & 0xF];
    }
    return text;
}

std::string ColourClipText(const std::string& colourText) {
    return "\"#" + colourText.substr(0, 6) + "\"";
}
