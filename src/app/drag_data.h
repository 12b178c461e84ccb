#pragma once
// What an item offers when it is dragged out of the main menu into another program: one
// clipboard format and its data block.
#include <cstdint>
#include <string>
#include <vector>

#include "store/clip_item.h"

struct RenderedData {
    unsigned format = 0;
    std::vector<uint8_t> block;
};

// A text as one format: with a plain-text variant (Text, Upper, Lower, Unix) plain 8-bit
// text (Rich Text as its plain text) under CF_TEXT; a file list (types 15, 115) as a
// CF_HDROP block at the point (x, y); otherwise the text under CF_TEXT, or under "Rich
// Text Format" for Rich Text. With `wide` (the exact text where the code page lost
// characters) plain text goes under CF_UNICODETEXT and a file list as those paths. False for
// an empty text (nothing is offered).
bool RenderText(const std::string& text, uint16_t type, int32_t variant, int32_t x, int32_t y,
                RenderedData& out, const std::u16string& wide = {});

// The data of a dragged item, given the paste variant of the keys held when the drag began
// (0 none, or Text, Upper, Lower, HTML). Content still in the collection's file is read from
// there; a record beyond the file's end offers the text "QBX file error". False when there
// is nothing to offer.
bool RenderDragData(const CClipItem& item, int32_t variant, int32_t x, int32_t y,
                    RenderedData& out);
