#pragma once
// Rules of the Camera that need no window: where it opens, how a typed or chosen size
// becomes its window, which part of the screen a capture reads, and the colour texts.
#include <string>

#include "platform/system.h"
#include "store/clip_item.h"

// The sizes offered in the Camera's size box, in this order.
constexpr int CAMERA_SIZE_COUNT = 8;
extern const char* const CAMERA_SIZES[CAMERA_SIZE_COUNT];

// How the Camera's window is laid out: the viewing area starts at (cxPanel, cyPanel) of the
// client area, right of the controls and below them, and takes the rest; it has a border of
// cxBorder, cyBorder. The window is ncWidth, ncHeight larger than its client area.
struct CameraMetrics {
    int cxPanel = 0;
    int cyPanel = 0;
    int cxBorder = 0;
    int cyBorder = 0;
    int ncWidth = 0;
    int ncHeight = 0;
};

// A Camera with a 120 x 90 viewing area near the top right of a screen `screenWidth` wide.
PixelRect DefaultCameraRect(int screenWidth, const CameraMetrics& m);

// A size text "WxH" (two numbers with one character between them); what cannot be read is
// 120 or 90. False when either number is negative: such a size is ignored.
bool ReadCameraSize(const std::string& text, PixelSize& size);

// The window rectangle at (left, top) whose viewing area shows `size`, at most the screen.
PixelRect CameraRectForSize(int left, int top, PixelSize size, const PixelRect& screen,
                            const CameraMetrics& m);
// The smallest window: a viewing area of one pixel.
PixelSize CameraMinimumSize(const CameraMetrics& m);
// The size text of the window's viewing area (client size `client`).
PixelSize ShownSize(PixelSize client, const CameraMetrics& m);

// One capture with the pointer at `at`: the screen rectangle read (never outside the
// screen) and the size of the fragment it is copied into (the viewing area, never larger
// than the screen). The fragment's top-left pixel is the one under the pointer; the part the
// screen does not cover stays black.
struct CameraFragment {
    PixelRect source;
    PixelSize size;
};
CameraFragment FragmentAt(ScreenPoint at, PixelSize view, const PixelRect& screen);

// "RRGGBB", and what Copy puts on the clipboard for it: an HTML colour in double quotes.
std::string ColourText(int red, int green, int blue);
std::string ColourClipText(const std::string& colourText);
