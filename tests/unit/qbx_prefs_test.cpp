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
    PrefBlock b = EncodePrefBlock(Sample(), QbxLayout::Active);
    // Offsets are file offsets minus 8.
    const PrefBlock expected = {
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
    EXPECT_EQ(b, expected);
}

TEST(PrefBlock, OtherCollectionFilesSwapTheHotKeyBytes) {
    CPreferences p = Sample();
    PrefBlock active = EncodePrefBlock(p, QbxLayout::Active);
    PrefBlock other = EncodePrefBlock(p, QbxLayout::Collection);
    EXPECT_EQ(active[22], 0x56);
    EXPECT_EQ(other[22], 0x06);
    EXPECT_EQ(other[23], 0x56);
    for (size_t i = 0; i < 32; ++i) {
        if (i != 22 && i != 23) {
            EXPECT_EQ(active[i], other[i]) << i;
        }
    }

    for (QbxLayout layout : {QbxLayout::Active, QbxLayout::Collection}) {
        CPreferences back;
        back.m_dwOptions = 0xA0000000;
        DecodePrefBlock(EncodePrefBlock(p, layout), layout, back);
        EXPECT_EQ(back.m_nUserHotKeyVk, 0x56);
        EXPECT_EQ(back.m_nUserHotKeyMods, 0x06);
        // Bits 28..31 are not in the file: the ones in memory stay.
        EXPECT_EQ(back.m_dwOptions, 0xA456F91Du);
        EXPECT_EQ(back.m_ptHot.x, -20);
        EXPECT_EQ(back.m_ptHot.y, 700);
        EXPECT_EQ(back.m_nHotMenuWidth, -3);
        EXPECT_EQ(back.m_nPasteCount, 0xA1B2C3D4u);
        EXPECT_EQ(back.m_nCounter[0], 0x1234);
        EXPECT_EQ(back.m_nCounter[2], 0xFFFF);
        EXPECT_EQ(back.m_nMaxItemSizeKB, 300);
        EXPECT_EQ(back.m_nBitmapCounter, 199);
        EXPECT_EQ(back.m_nHotStyle, 0x17);
        EXPECT_EQ(back.m_nSound, 6);
        EXPECT_EQ(back.m_nLanguage, 2);
        EXPECT_EQ(back.m_nSuperHotKey, 3);
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

    p.m_dwOptions = OPT_HK_CTRL_SHIFT_V; // one of them is enough
    p.m_nMaxItems = 200;
    p.m_nMinTextSize = 121;
    CorrectPreferences(p, screen);
    EXPECT_EQ(p.m_dwOptions, OPT_HK_CTRL_SHIFT_V);
    EXPECT_EQ(p.m_nMaxItems, 120);
    EXPECT_EQ(p.m_nMinTextSize, 120);
}
