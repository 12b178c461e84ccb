#pragma once
// Rules of the hot window that need no window: what a style shows, which frame a state
// shows, where the clock's digits go, the shape of a picture, where the window may stand,
// and the sizes of the hot-menu window.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/clock.h"

#include "store/clip_item.h"

enum class HotKind {
    None,  // style 0: no hot window
    Icon,  // a picture of three frames
    Clock, // a picture with the time drawn on it
    Menu,  // the hot-menu window
};

struct HotStyleLook {
    HotKind kind = HotKind::None;
    unsigned bitmap = 0;   // the picture's resource (the stand-in of the external file)
    bool external = false; // the program's .bmp beside the executable, when it is usable
};
// The look of the low four bits of m_nHotStyle; styles above 7 show nothing.
HotStyleLook LookOfHotStyle(uint8_t style);

// Frames of a picture: 0 free, 1 busy, 2 paused. The program's own work shows busy, and
// its end shows paused again while the service is paused.
enum HotIndicator : int { HOT_FREE = 0, HOT_BUSY = 1, HOT_PAUSED = 2 };
int IndicatorOf(bool busy, bool paused);

// A picture is usable as a strip of three frames: its width splits into three, and a frame
// is no larger than MAX_HOT_FRAME on either side.
constexpr int MAX_HOT_FRAME = 256;
bool IsUsableStrip(int width, int height);
// The picture's size from the start of a bitmap file ("BM", then the DIB's header): false
// when the bytes are no bitmap file. Read before the picture, so that a huge one is never
// loaded.
bool ReadBitmapFileSize(const std::vector<uint8_t>& start, PixelSize& size);

// The clock of the clock styles, drawn into a frame: digit cells copied from the digit strip
// (4 x 7 pixels, DIGIT_PITCH apart) at y CLOCK_Y, and the colon's two pixels, shown on odd
// seconds.
constexpr int DIGIT_WIDTH = 4;
constexpr int DIGIT_HEIGHT = 7;
constexpr int DIGIT_PITCH = 5;
constexpr int CLOCK_Y = 26;
constexpr int COLON_X = 22;
constexpr int COLON_Y1 = 27;
constexpr int COLON_Y2 = 31;
struct DigitCell {
    int digit = 0;
    int x = 0;
};
struct ClockFace {
    std::vector<DigitCell> digits;
    bool colon = false;
};
ClockFace ClockFaceAt(int hour, int minute, int second);

// A row's run of pixels that are not the transparent colour: [x0, x1) on row y.
struct PixelRun {
    int y = 0;
    int x0 = 0;
    int x1 = 0;
    bool operator==(const PixelRun& o) const { return y == o.y && x0 == o.x0 && x1 == o.x1; }
};
// The window's shape: every maximal run of pixels other than `transparent`, row by row.
// `pixels` holds `height` rows of `width` values, top row first.
std::vector<PixelRun> OpaqueRuns(const std::vector<uint32_t>& pixels, int width, int height,
                                 uint32_t transparent);

// Where a window of `window`'s size stands: where it is when the monitors show all of it,
// else moved wholly onto the monitor that shows most of it (none: the nearest one). A place
// kept from a screen that is gone comes back into view this way. No monitors: unchanged.
PixelRect PlaceOnDesktop(const PixelRect& window, const std::vector<PixelRect>& monitors);

// The system's sizes the hot-menu window is laid out with.
struct HotMenuMetrics {
    int cySmCaption = 0;
    int cxFrame = 0;
    int cyFrame = 0;
    int cxSmSize = 0;
};
// The collapsed window: its caption only.
constexpr int HOT_MENU_COLLAPSED_WIDTH = 60;
PixelSize CollapsedSize(const HotMenuMetrics& m);
// The expanded window's height for a bar whose rows span barTop..barBottom on the screen
// (equal for an empty bar): the rows, the caption and both frames.
int ExpandedHeight(int barTop, int barBottom, const HotMenuMetrics& m);
// The collapse/expand button in window coordinates, at the right end of the caption of a
// window `windowWidth` wide.
PixelRect CaptionButton(int windowWidth, const HotMenuMetrics& m);
// The kept width of the expanded window, within reach on a screen `screenWidth` wide.
int HotMenuWidth(int stored, int screenWidth);

// The hot-icon's tip: the time on the 12-hour clock, then what a player plays.
std::string HotIconTip(const LocalTime& now, const std::string& playing);
// The hot-menu window's caption text, the same with a dash before the player's part.
std::string HotMenuCaption(const LocalTime& now, const std::string& playing);
