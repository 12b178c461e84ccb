#pragma once
// Data dropped on the hot window becomes items of the active collection.
#include <cstddef>

#include "platform/data_offer.h"
#include "store/clip_item.h"
#include "store/preferences.h"

// Numbers of the formats registered at start-up.
struct RegisteredFormats {
    unsigned rtf = 0;  // "Rich Text Format"
    unsigned html = 0; // "HTML format"
};

// Adds what `offer` holds - a file list, then Rich Text or else text, then a bitmap - to
// the active list, removing the duplicates each replaces, and trims the list. Unlike
// capture it applies no size limits, takes files and bitmaps whatever the format options
// say, and does not save. Returns how many items were inserted (the caller plays the
// new-entry sound, shows the busy state around the call and refreshes the hot window).
size_t AddDroppedData(const IDataOffer& offer, const RegisteredFormats& formats,
                      CPreferences& prefs, ClipList& active);
