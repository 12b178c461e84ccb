#pragma once
// The 32-byte preference block at offset 8 of every collection file. Only "Clipboard.qbx"
// is read for preferences; other collection files carry the block too, with the two
// user hot-key bytes in the other order.
#include "platform/system.h"
#include "store/preferences.h"

#include <array>
#include <cstddef>
#include <cstdint>

using PrefBlock = std::array<uint8_t, 32>;

enum class QbxLayout {
    Active,     // "Clipboard.qbx": byte 30 the hot key's virtual key, byte 31 its modifiers
    Collection, // every other file: byte 30 the modifiers, byte 31 the virtual key
};

PrefBlock EncodePrefBlock(const CPreferences& prefs, QbxLayout layout);

// The block's fields as stored. The options word replaces bits 0 to 27 of m_dwOptions;
// bits 28 to 31 keep their value in `prefs`. Nothing is corrected here.
void DecodePrefBlock(const PrefBlock& block, QbxLayout layout, CPreferences& prefs);

// What reading "Clipboard.qbx" makes of the stored values: a hot key to open the menu
// with, a sane hot-menu width, and the item limits in their ranges. (The hot window
// brings its own position into view, against every screen present.)
void CorrectPreferences(CPreferences& prefs, ScreenSize screen);
