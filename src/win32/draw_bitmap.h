#pragma once
// Drawing a bitmap item's picture, wherever one is shown scaled into a box.
#include <windows.h>

class CClipItem;

// Draws the item's DIB into `rect` of `dc`: shrunk to fit with its aspect kept, never
// enlarged, centred (BitmapDrawRect), smoothed when shrunk. False, drawing nothing, for a
// text item or a collection, an item without its DIB in memory, or a DIB whose header is
// unreadable or whose pixel bits are shorter than the header says.
bool DrawBitmap(const CClipItem& item, HDC dc, const RECT& rect);
