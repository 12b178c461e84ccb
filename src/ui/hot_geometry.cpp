#include "ui/hot_geometry.h"

#include <algorithm>

#include "platform/ui_strings.h"
#include "resource.h"
#include "store/bitmap_file.h"
#include "store/dib_header.h"

namespace {
// "%I:%M": hours 01..12.
std::string TwelveHourTime(const LocalTime& now) {
    const int hour = (now.hour + 11) % 12 + 1;
    const int minute = now.minute % 60;
    std::string text;
    for (int part : {hour, minute}) {
        if (!text.empty())
            text += ':';
        text += static_cast<char>('0' + part / 10);
        text += static_cast<char>('0' + part % 10);
    }
    return text;
}

int64_t Overlap(const PixelRect& a, const PixelRect& b) {
    const int64_t w = std::min(a.right, b.right) - std::max(a.left, b.left);
    const int64_t h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

// How far the point is outside the rectangle, squared (0 inside).
int64_t DistanceSquared(const PixelRect& r, int x, int y) {
    const int64_t dx = std::max<int64_t>({int64_t(r.left) - x, 0, int64_t(x) - r.right});
    const int64_t dy = std::max<int64_t>({int64_t(r.top) - y, 0, int64_t(y) - r.bottom});
    return dx * dx + dy * dy;
}

// The start of a span of `size` within [low, high): as near `at` as fits, else at `low`.
int Clamp(int at, int size, int low, int high) {
    return std::max(low, std::min(at, high - size));
}
} // namespace

HotStyleLook LookOfHotStyle(uint8_t style) {
    switch (style & 0x0F) {
    case 1:
        return {HotKind::Icon, IDB_HOT_SIMPLE, false};
    case 2:
        return {HotKind::Icon, IDB_HOT_CLASSIC, false};
    case 3:
        return {HotKind::Clock, IDB_HOT_CLASSIC_CLOCK, false};
    case 4:
        return {HotKind::Icon, IDB_HOT_XP, false};
    case 5:
        return {HotKind::Clock, IDB_HOT_XP_CLOCK, false};
    case 6:
        return {HotKind::Icon, IDB_HOT_CLASSIC, true};
    case 7:
        return {HotKind::Menu, 0, false};
    default:
        return {};
    }
}

int IndicatorOf(bool busy, bool paused) {
    return busy ? HOT_BUSY : paused ? HOT_PAUSED : HOT_FREE;
}

bool IsUsableStrip(int width, int height) {
    return width >= 3 && height >= 1 && width % 3 == 0 && width / 3 <= MAX_HOT_FRAME &&
           height <= MAX_HOT_FRAME;
}

bool ReadBitmapFileSize(const std::vector<uint8_t>& start, PixelSize& size) {
    if (start.size() <= kBitmapFileHeaderSize || start[0] != 'B' || start[1] != 'M')
        return false;
    const DibHeader header =
        ReadDibHeader(start.data() + kBitmapFileHeaderSize, start.size() - kBitmapFileHeaderSize);
    if (!header.valid || header.height == INT32_MIN)
        return false;
    size = {header.width, header.height < 0 ? -header.height : header.height};
    return true;
}

ClockFace ClockFaceAt(int hour, int minute, int second) {
    ClockFace face;
    if (hour >= 10)
        face.digits.push_back({hour / 10 % 10, 12});
    face.digits.push_back({hour % 10, 17});
    face.digits.push_back({minute / 10 % 10, 24});
    face.digits.push_back({minute % 10, 29});
    face.colon = second % 2 == 1;
    return face;
}

std::vector<PixelRun> OpaqueRuns(const std::vector<uint32_t>& pixels, int width, int height,
                                 uint32_t transparent) {
    std::vector<PixelRun> runs;
    if (width <= 0 || height <= 0 || pixels.size() < size_t(width) * size_t(height))
        return runs;
    for (int y = 0; y < height; ++y) {
        const uint32_t* row = pixels.data() + size_t(y) * size_t(width);
        int x = 0;
        while (x < width) {
            while (x < width && row[x] == transparent)
                ++x;
            const int start = x;
            while (x < width && row[x] != transparent)
                ++x;
            if (x > start)
                runs.push_back({y, start, x});
        }
    }
    return runs;
}

PixelRect PlaceOnDesktop(const PixelRect& window, const std::vector<PixelRect>& monitors) {
    if (monitors.empty())
        return window;
    const int w = window.right - window.left;
    const int h = window.bottom - window.top;
    int64_t shown = 0;
    const PixelRect* best = nullptr;
    int64_t bestOverlap = 0;
    for (const PixelRect& m : monitors) {
        const int64_t overlap = Overlap(window, m);
        shown += overlap;
        if (overlap > bestOverlap) {
            bestOverlap = overlap;
            best = &m;
        }
    }
    if (shown >= int64_t(w) * h)
        return window;
    if (!best) {
        const int cx = window.left + w / 2;
        const int cy = window.top + h / 2;
        best = &*std::min_element(
            monitors.begin(), monitors.end(), [&](const PixelRect& a, const PixelRect& b) {
                return DistanceSquared(a, cx, cy) < DistanceSquared(b, cx, cy);
            });
    }
    PixelRect placed;
    placed.left = Clamp(window.left, w, best->left, best->right);
    placed.top = Clamp(window.top, h, best->top, best->bottom);
    placed.right = placed.left + w;
    placed.bottom = placed.top + h;
    return placed;
}

PixelSize CollapsedSize(const HotMenuMetrics& m) {
    return {HOT_MENU_COLLAPSED_WIDTH, m.cySmCaption + m.cyFrame};
}

int ExpandedHeight(int barTop, int barBottom, const HotMenuMetrics& m) {
    return std::max(barBottom - barTop, 0) + m.cySmCaption + 2 * m.cyFrame;
}

PixelRect CaptionButton(int windowWidth, const HotMenuMetrics& m) {
    PixelRect r;
    r.right = windowWidth - m.cxFrame - 2;
    r.left = r.right - (m.cxSmSize - 2);
    r.top = m.cyFrame + 2;
    r.bottom = r.top + m.cySmCaption - 5;
    return r;
}

int HotMenuWidth(int stored, int screenWidth) {
    return std::max(HOT_MENU_COLLAPSED_WIDTH, std::min(stored, screenWidth));
}

std::string HotIconTip(const LocalTime& now, const std::string& playing) {
    std::string tip = TwelveHourTime(now) + " ";
    if (!playing.empty())
        tip += LoadUiString(IDS_PLAYING) + playing;
    return tip;
}

std::string HotMenuCaption(const LocalTime& now, const std::string& playing) {
    std::string caption = TwelveHourTime(now) + "  ";
    if (!playing.empty())
        caption += " - " + LoadUiString(IDS_PLAYING) + playing;
    return caption;
}
