#include "store/qbx_prefs.h"

#include <gtest/gtest.h>

namespace {

CPreferences Sample() {
    CPreferences p;
    p.m_dwOptions = 0xF0000000 | 0x0456F91D;
    p.m_nMaxItems = 50;
    p.m_nMinTextSize = 7;
    p.m_nBitmapCounter = 199;
    p.m_nSuperHotKey = 3;
    p.m_nCounter[0] = 0x1234;
    p.m_nCounter[1] = 2;
    p.m_nCounter[2] = 0xFFFF;
    p.m_nLanguage = 2;
    p.m_nPasteCount = 0xA1B2C3D4;
    p.m_nMaxItemSizeKB = 300;
    p.m_nUserHotKeyVk = 0x56;
    p.m_nUserHotKeyMods = 0x06;
    p.m_ptHot = {-20, 700};
    p.m_nHotStyle = 0x17;
    p.m_nHotMenuWidth = -3;
    p.m_nSound = 6;
    return p;
}

} // namespace

TEST(PrefBlock, FieldsLieAtTheirOffsets) {
    // Offsets are file offsets minus 8.
    const PrefBlock active = {
        0x1D, 0xF9, 0x56, 0x04, // options: bits 28..31 written as 0
        50,   7,    199,  3,    // max items, min text size, bitmap counter, super hot key
        0x34, 0x12, 2,    0,    0xFF, 0xFF, // counters
        2,    0,                            // language, reserved
        0xD4, 0xC3, 0xB2, 0xA1,             // paste count
        0x2C, 0x01,                         // max item size KB
        0x56, 0x06,                         // hot key: virtual key, modifiers
        0xEC, 0xFF, 0xBC, 0x02,             // hot point x -20, y 700
        0x17,                               // hot style
        0xFD, 0xFF,                         // hot menu width -3
        6,                                  // sound
    };
    EXPECT_EQ(EncodePrefBlock(Sample(), QbxLayout::Active), active);
    // Other collection files put the modifiers first.
    PrefBlock other = active;
    std::swap(other[22], other[23]);
    EXPECT_EQ(EncodePrefBlock(Sample(), QbxLayout::Collection), other);

    // Reading gives every field back; bits 28..31 are not in the file: the ones in memory
    // stay.
    for (QbxLayout layout : {QbxLayout::Active, QbxLayout::Collection}) {
        CPreferences back;
        back.m_dwOptions = 0xA0000000;
        DecodePrefBlock(layout == QbxLayout::Active ? active : other, layout, back);
        EXPECT_EQ(back.m_dwOptions, 0xA456F91Du);
        EXPECT_EQ(EncodePrefBlock(back, layout), EncodePrefBlock(Sample(), layout));
        EXPECT_EQ(back.m_nUserHotKeyVk, 0x56);
    }
}

TEST(CorrectPreferences, WidthLimitsAndHotKeys) {
    const ScreenSize screen{1024, 768};
    struct Case {
        int16_t width;
        int16_t expected;
    } widths[] = {{10, 100}, {15, 100}, {16, 16}, {768, 768}, {769, 100}, {-5, 100}};
    for (const Case& c : widths) {
        CPreferences p;
        p.m_nHotMenuWidth = c.width;
        CorrectPreferences(p, screen);
        EXPECT_EQ(p.m_nHotMenuWidth, c.expected) << c.width;
    }

    CPreferences p;
    p.m_dwOptions = OPT_FMT_TEXT; // neither menu hot key
    p.m_nMaxItems = 1;
    p.m_nMinTextSize = 0;
    CorrectPreferences(p, screen);
    EXPECT_EQ(p.m_dwOptions,
              OPT_FMT_TEXT | OPT_HK_ALT_SHIFT_INS | OPT_HK_CTRL_SHIFT_INS | OPT_MOUSE_AT_TOP);
    EXPECT_EQ(p.m_nMaxItems, 2);
    EXPECT_EQ(p.m_nMinTextSize, 1);

    for (uint32_t one : {OPT_HK_CTRL_SHIFT_V, OPT_HK_CTRL_SHIFT_INS}) { // one of them is enough
        p.m_dwOptions = one;
        CorrectPreferences(p, screen);
        EXPECT_EQ(p.m_dwOptions, one);
    }
}
