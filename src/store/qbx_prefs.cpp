#include "store/qbx_prefs.h"

#include "store/byte_block.h"
#include "store/collections.h"

namespace {

void Put16(PrefBlock& b, size_t at, uint16_t v) {
    PutLe16(b.data() + at, v);
}

void Put32(PrefBlock& b, size_t at, uint32_t v) {
    PutLe32(b.data() + at, v);
}

uint16_t Get16(const PrefBlock& b, size_t at) {
    return GetLe16(b.data() + at);
}

uint32_t Get32(const PrefBlock& b, size_t at) {
    return GetLe32(b.data() + at);
}

// Offsets within the block (the file offset minus 8).
enum : size_t {
    kOptions = 0,
    kMaxItems = 4,
    kMinTextSize = 5,
    kBitmapCounter = 6,
    kSuperHotKey = 7,
    kCounter1 = 8,
    kLanguage = 14,
    kPasteCount = 16,
    kMaxItemSizeKB = 20,
    kHotKeyFirst = 22,
    kHotKeySecond = 23,
    kHotX = 24,
    kHotY = 26,
    kHotStyle = 28,
    kHotMenuWidth = 29,
    kSound = 31,
};

} // namespace

PrefBlock EncodePrefBlock(const CPreferences& p, QbxLayout layout) {
    PrefBlock b{};
    Put32(b, kOptions, p.m_dwOptions & OPT_PERSISTED_MASK);
    b[kMaxItems] = p.m_nMaxItems;
    b[kMinTextSize] = p.m_nMinTextSize;
    b[kBitmapCounter] = p.m_nBitmapCounter;
    b[kSuperHotKey] = p.m_nSuperHotKey;
    for (size_t i = 0; i < 3; ++i)
        Put16(b, kCounter1 + 2 * i, p.m_nCounter[i]);
    b[kLanguage] = p.m_nLanguage;
    Put32(b, kPasteCount, p.m_nPasteCount);
    Put16(b, kMaxItemSizeKB, p.m_nMaxItemSizeKB);
    bool active = layout == QbxLayout::Active;
    b[kHotKeyFirst] = active ? p.m_nUserHotKeyVk : p.m_nUserHotKeyMods;
    b[kHotKeySecond] = active ? p.m_nUserHotKeyMods : p.m_nUserHotKeyVk;
    Put16(b, kHotX, static_cast<uint16_t>(p.m_ptHot.x));
    Put16(b, kHotY, static_cast<uint16_t>(p.m_ptHot.y));
    b[kHotStyle] = p.m_nHotStyle;
    Put16(b, kHotMenuWidth, static_cast<uint16_t>(p.m_nHotMenuWidth));
    b[kSound] = p.m_nSound;
    return b;
}

void DecodePrefBlock(const PrefBlock& b, QbxLayout layout, CPreferences& p) {
    p.m_dwOptions =
        (p.m_dwOptions & ~OPT_PERSISTED_MASK) | (Get32(b, kOptions) & OPT_PERSISTED_MASK);
    p.m_nMaxItems = b[kMaxItems];
    p.m_nMinTextSize = b[kMinTextSize];
    p.m_nBitmapCounter = b[kBitmapCounter];
    p.m_nSuperHotKey = b[kSuperHotKey];
    for (size_t i = 0; i < 3; ++i)
        p.m_nCounter[i] = Get16(b, kCounter1 + 2 * i);
    p.m_nLanguage = b[kLanguage];
    p.m_nPasteCount = Get32(b, kPasteCount);
    p.m_nMaxItemSizeKB = Get16(b, kMaxItemSizeKB);
    bool active = layout == QbxLayout::Active;
    p.m_nUserHotKeyVk = active ? b[kHotKeyFirst] : b[kHotKeySecond];
    p.m_nUserHotKeyMods = active ? b[kHotKeySecond] : b[kHotKeyFirst];
    p.m_ptHot.x = static_cast<int16_t>(Get16(b, kHotX));
    p.m_ptHot.y = static_cast<int16_t>(Get16(b, kHotY));
    p.m_nHotStyle = b[kHotStyle];
    p.m_nHotMenuWidth = static_cast<int16_t>(Get16(b, kHotMenuWidth));
    p.m_nSound = b[kSound];
}

void CorrectPreferences(CPreferences& p, ScreenSize screen) {
    // Without one of the two menu hot keys the user could not open the menu at all.
    if (!(p.m_dwOptions & (OPT_HK_CTRL_SHIFT_INS | OPT_HK_CTRL_SHIFT_V)))
        p.m_dwOptions |= OPT_HK_ALT_SHIFT_INS | OPT_HK_CTRL_SHIFT_INS | OPT_MOUSE_AT_TOP;
    // m_ptHot stays: the hot window comes back into view itself, against every screen
    // present (a place on a second screen is no fault).
    if (p.m_nHotMenuWidth < 16 || p.m_nHotMenuWidth > screen.cy)
        p.m_nHotMenuWidth = 100;
    // Only the limits: a file with more items than its maximum keeps them all until the
    // next insertion trims the list.
    ClampMaxItems(p);
    ClampMinTextSize(p);
}
