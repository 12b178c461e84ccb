// The hot window's rules that need no window: styles, pictures fit to be a strip,
// the clock's cells, the window's shape, its place on the desktop, the hover wait and the
// caption texts; and the Camera's sizes and fragments.
#include <gtest/gtest.h>

#include "ui/camera_rules.h"
#include "ui/hot_geometry.h"
#include "ui/hot_hover.h"

#include "qbx_test_files.h"

#include <tuple>

namespace {
// A bitmap file's 14-byte header (of which only the magic is read), then the DIB's header.
Bytes BitmapFileStart(const char* magic, int32_t width, int32_t height, uint32_t headerSize = 40) {
    Bytes b = {uint8_t(magic[0]), uint8_t(magic[1])};
    b.resize(14);
    const Bytes dib = InfoDib(width, height, 24, 40, 0, 0, headerSize);
    b.insert(b.end(), dib.begin(), dib.end());
    return b;
}

// (Which frame each state shows, the hot window's keeper tests prove.)
TEST(HotGeometry, OnlyStyleSixReadsAFileAndOnlyABitmapOfThreeSmallFramesIsTaken) {
    // Style 6 falls back on the classic picture when the file is unusable.
    for (uint8_t style = 1; style <= 7; ++style)
        EXPECT_EQ(LookOfHotStyle(style | 0x10).external, style == 6) << int(style);
    EXPECT_EQ(LookOfHotStyle(0x16).bitmap, LookOfHotStyle(2).bitmap);
    for (uint8_t style : {0, 8, 15})
        EXPECT_EQ(LookOfHotStyle(style).kind, HotKind::None) << int(style);
    struct Case {
        Bytes start;
        bool read;
        bool usable;
    };
    const Case cases[] = {
        {BitmapFileStart("BM", 114, 38), true, true},
        {BitmapFileStart("BM", 114, -38), true, true}, // top-down
        {BitmapFileStart("BM", 768, 256), true, true},
        {BitmapFileStart("BM", 3, 1), true, true},
        {BitmapFileStart("BM", 771, 38), true, false},  // frames wider than 256
        {BitmapFileStart("BM", 114, 257), true, false}, // taller than 256
        {BitmapFileStart("BM", 115, 38), true, false},  // not three frames wide
        {BitmapFileStart("BM", 0, 38), true, false},
        {BitmapFileStart("GIF", 114, 38), false, false}, // no bitmap file
        {BitmapFileStart("BM", 114, 38, 1000), false, false},
        {Bytes{'B', 'M', 0, 0}, false, false},
        {Bytes(), false, false},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        PixelSize size;
        const bool read = ReadBitmapFileSize(cases[i].start, size);
        EXPECT_EQ(std::make_pair(read, read && IsUsableStrip(size.cx, size.cy)),
                  std::make_pair(cases[i].read, cases[i].usable))
            << "case " << i;
    }
}

TEST(HotGeometry, TheClockShowsTheHourWithoutLeadingZeroAndCaptionAndTipOnTwelveHours) {
    using Cells = std::vector<std::pair<int, int>>; // digit, x
    struct Case {
        int h, m, s;
        Cells cells;
        bool colon;
    };
    const Case cases[] = {
        {9, 5, 0, {{9, 17}, {0, 24}, {5, 29}}, false},
        {10, 5, 1, {{1, 12}, {0, 17}, {0, 24}, {5, 29}}, true},
        {0, 0, 59, {{0, 17}, {0, 24}, {0, 29}}, true},
        {23, 59, 58, {{2, 12}, {3, 17}, {5, 24}, {9, 29}}, false},
    };
    for (const Case& c : cases) {
        const ClockFace face = ClockFaceAt(c.h, c.m, c.s);
        Cells cells;
        for (const DigitCell& d : face.digits)
            cells.emplace_back(d.digit, d.x);
        EXPECT_EQ(std::tie(cells, face.colon), std::tie(c.cells, c.colon)) << c.h << ":" << c.s;
    }
    LocalTime t;
    struct Told {
        int hour, minute;
        const char* playing;
        const char* tip;
        const char* caption;
    };
    const Told told[] = {
        {0, 5, "", "12:05 ", "12:05  "},
        {13, 7, "", "01:07 ", "01:07  "},
        {12, 30, "song.mp3", "12:30 Playing: song.mp3", "12:30   - Playing: song.mp3"},
    };
    for (const Told& c : told) {
        t.hour = c.hour;
        t.minute = c.minute;
        EXPECT_EQ(HotIconTip(t, c.playing) + "|" + HotMenuCaption(t, c.playing),
                  std::string(c.tip) + "|" + c.caption);
    }
}

TEST(HotGeometry, TheShapeIsEveryRunOfPixelsNotTransparent) {
    const uint32_t T = 0xFF00FF, A = 0x123456;
    const std::vector<uint32_t> picture = {T, A, A, T, //
                                           A, T, T, A, //
                                           T, T, T, T};
    EXPECT_EQ(OpaqueRuns(picture, 4, 3, T),
              (std::vector<PixelRun>{{0, 1, 3}, {1, 0, 1}, {1, 3, 4}}));
    EXPECT_TRUE(OpaqueRuns(std::vector<uint32_t>(12, T), 4, 3, T).empty());
    EXPECT_TRUE(OpaqueRuns(picture, 4, 4, T).empty()) << "fewer pixels than the size says";
}

TEST(HotGeometry, AWindowOffTheDesktopComesBackOntoTheNearestScreen) {
    const PixelRect primary = {0, 0, 1280, 800};
    const PixelRect right = {1280, 0, 2560, 1024};
    struct Case {
        PixelRect window;
        std::vector<PixelRect> monitors;
        PixelRect placed;
    };
    const Case cases[] = {
        {{1160, 60, 1198, 98}, {primary}, {1160, 60, 1198, 98}},
        {{1260, 60, 1298, 98}, {primary, right}, {1260, 60, 1298, 98}}, // across the seam
        {{1500, 60, 1538, 98}, {primary}, {1242, 60, 1280, 98}},        // its screen is gone
        {{1500, 900, 1538, 938}, {primary}, {1242, 762, 1280, 800}},
        {{-5000, -70, -4962, -32}, {primary, right}, {0, 0, 38, 38}},
        {{1270, 990, 1308, 1028}, {primary, right}, {1280, 986, 1318, 1024}}, // most on `right`
        // Most of it on the primary screen, though its centre is nearer the other one.
        {{1180, 700, 1290, 1000}, {primary, right}, {1170, 500, 1280, 800}},
        {{-10, 10, 2000, 48}, {primary}, {0, 10, 2010, 48}}, // wider than the screen
        {{3000, 3000, 3038, 3038}, {}, {3000, 3000, 3038, 3038}},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(PlaceOnDesktop(cases[i].window, cases[i].monitors), cases[i].placed)
            << "case " << i;
}

TEST(HotGeometry, HotMenuSizes) {
    HotMenuMetrics m;
    m.cySmCaption = 15;
    m.cxFrame = m.cyFrame = 4;
    m.cxSmSize = 15;
    EXPECT_EQ(ExpandedHeight(300, 300, m), 23) << "an empty bar: the caption and frames";
    EXPECT_EQ(ExpandedHeight(300, 354, m), 77);
    EXPECT_EQ(CollapsedSize(m), (PixelSize{60, 19}));
    const PixelRect button = CaptionButton(100, m);
    EXPECT_LE(button.right, 100 - 4) << "inside the frame";
    EXPECT_GT(button.left, 20) << "right of the state picture";
    EXPECT_GT(button.top, 4) << "below the frame";
    EXPECT_LE(button.bottom, 4 + 15) << "within the caption";
    EXPECT_GT(button.bottom, button.top + 5) << "of the caption's height, less a margin";
    EXPECT_EQ(HotMenuWidth(0, 1280), 60);
    EXPECT_EQ(HotMenuWidth(140, 1280), 140);
    EXPECT_EQ(HotMenuWidth(9000, 1280), 1280);
}

TEST(HotHover, TheMenuOpensOnlyAfterThePointerRestedForAPeriod) {
    // Events: 'h' hit test at the point, 't' timer over the icon, 'o' timer outside it.
    struct Event {
        char what;
        int x;
    };
    struct Case {
        bool on;
        std::vector<Event> events;
        std::string steps; // in order: 's' timer started, 'x' stopped, 'O' menu opened, '.' none
    };
    const Case cases[] = {
        {false, {{'h', 5}, {'t', 5}}, ".x"},
        {true, {{'h', 5}, {'t', 5}}, "sxO"},
        {true, {{'h', 5}, {'h', 6}, {'t', 7}, {'t', 7}}, "s..xO"},
        {true, {{'h', 5}, {'o', 5}, {'h', 6}, {'t', 6}}, "sxsxO"},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        HoverArm arm(cases[i].on);
        std::string steps;
        for (const Event& e : cases[i].events) {
            const ScreenPoint at = {e.x, 10};
            const HoverArm::Step s =
                e.what == 'h' ? arm.OnHitTest(at) : arm.OnTimer(at, e.what == 't');
            std::string step = std::string(s.startTimer ? "s" : "") + (s.stopTimer ? "x" : "") +
                               (s.openMenu ? "O" : "");
            steps += step.empty() ? "." : step;
        }
        EXPECT_EQ(steps, cases[i].steps) << "case " << i;
    }
    // A thousand hit tests in one place open the menu even when the timer never comes.
    HoverArm arm(true);
    int opened = 0;
    for (int i = 0; i < 999; ++i)
        opened += arm.OnHitTest({3, 3}).openMenu;
    EXPECT_EQ(opened, 0);
    EXPECT_TRUE(arm.OnHitTest({3, 3}).openMenu);
}

TEST(Camera, SizesAndFragmentsNeverExceedTheScreen) {
    struct Case {
        const char* text;
        bool read;
        PixelSize size;
    };
    const Case cases[] = {
        {"32x32 icon", true, {32, 32}}, {"abc", true, {120, 90}}, {"50", true, {50, 90}},
        {"-5x10", false, {}},           {"10x-3", false, {}},
    };
    for (const Case& c : cases) {
        PixelSize size;
        const bool read = ReadCameraSize(c.text, size);
        EXPECT_EQ(std::make_pair(read, read ? size : PixelSize{}), std::make_pair(c.read, c.size))
            << c.text;
    }
    CameraMetrics m;
    m.cxPanel = 70;
    m.cyPanel = 95;
    m.cxBorder = m.cyBorder = 1;
    m.ncWidth = 8;
    m.ncHeight = 27;
    const PixelRect screen = {0, 0, 1024, 768};
    const auto shown = [&](const PixelRect& r) {
        return ShownSize({r.right - r.left - m.ncWidth, r.bottom - r.top - m.ncHeight}, m);
    };
    EXPECT_EQ(shown(CameraRectForSize(10, 20, {2000, 2000}, screen, m)), (PixelSize{1024, 768}));
    EXPECT_EQ(shown(CameraRectForSize(10, 20, {32, 32}, screen, m)), (PixelSize{32, 32}));
    const PixelRect d = DefaultCameraRect(1024, m);
    EXPECT_EQ(d.right, 1024 - 120);
    EXPECT_EQ(shown(d), (PixelSize{120, 90}));
    const PixelRect desktop = {-1280, 0, 1024, 768}; // a second screen left of the primary
    struct Fragment {
        ScreenPoint at;
        PixelSize view;
        PixelRect source;
        PixelSize size;
    };
    const Fragment fragments[] = {
        {{100, 100}, {120, 90}, {100, 100, 220, 190}, {120, 90}},
        {{1000, 700}, {120, 90}, {1000, 700, 1024, 768}, {120, 90}}, // cut, padded black
        {{-1280, 0}, {5000, 5000}, {-1280, 0, 1024, 768}, {2304, 768}},
        {{5000, -50}, {8, 8}, {1023, 0, 1024, 8}, {8, 8}},
        {{0, 0}, {0, 0}, {0, 0, 0, 0}, {0, 0}},
    };
    for (const Fragment& c : fragments) {
        const CameraFragment f = FragmentAt(c.at, c.view, desktop);
        EXPECT_EQ(std::tie(f.source, f.size), std::tie(c.source, c.size)) << c.at.x;
    }
    EXPECT_EQ(ColourClipText(ColourText(255, 0, 0)), "\"#FF0000\"");
    EXPECT_EQ(ColourText(1, 171, 300), "01ABFF");
}
} // namespace
