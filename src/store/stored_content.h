#pragma once
// The content of an item of an external collection, read from its record in the
// collection's file when it is needed (a paste, a drag), without changing the item.
#include <cstdint>
#include <string>
#include <vector>

#include "store/clip_item.h"

enum class StoredRead {
    Unreadable, // the collection's file cannot be opened
    PastEnd,    // the record lies beyond the end of the file, or the file ends inside it
    Ok,
};

struct StoredContent {
    bool currentVersion = false; // the file is of the current version, so html is stored
    std::string text;            // text-like items
    std::u16string wide;         // their exact text where the code page lost characters
    std::vector<uint8_t> dib;    // bitmaps, when asked for
    std::string html;            // only from a file of the current version
};

// Reads the content at the item's fileOffset. A bitmap's DIB is read only with `withDib`
// (else skipped to reach its html).
StoredRead ReadStoredContent(const CClipItem& item, StoredContent& out, bool withDib = true);
