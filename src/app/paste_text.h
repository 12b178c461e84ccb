#pragma once
// The clipboard data a paste or a drag offers for a text: the "Paste As" conversions and
// the DROPFILES block of a file list.
#include <cstdint>
#include <string>
#include <vector>

// Commands that choose how an entry is pasted.
enum : int32_t {
    PASTE_NONE = -1, // the variant argument when none applies
    PASTE_TEXT = 32774,
    PASTE_UPPER = 32775,
    PASTE_LOWER = 32776,
    PASTE_HTML = 32777, // handled apart: the item's HTML source as plain text
    PASTE_UNIX = 32778,
};

// Text, Upper, Lower and Unix: the variants that turn the paste into plain text only.
bool IsPasteVariant(int32_t command);
// The command when it is one of those variants, else PASTE_NONE.
int32_t VariantOrNone(int32_t command);

// Unix text to Windows lines: each LF becomes CR LF; a CR already before an LF stays, and
// a CR on its own is dropped.
std::string UnixToWindowsLines(const std::string& text);

// A plain-text variant applied to plain text (Text leaves it as it is). Upper and Lower
// follow the code page's case mapping, so every letter changes, not only ASCII.
std::string ApplyTextVariant(const std::string& text, int32_t variant);
std::u16string ApplyTextVariant(const std::u16string& text, int32_t variant);

// `text` with a terminating NUL, as a clipboard block of 8-bit text.
std::vector<uint8_t> TextBlock(const std::string& text);
// The same for CF_UNICODETEXT: UTF-16 little-endian units and a NUL unit.
std::vector<uint8_t> WideTextBlock(const std::u16string& text);

// A file list (one path per line, lines ended by CR LF) as the CF_HDROP block: the 20-byte
// DROPFILES header (pFiles 20, the point, fNC 1, fWide) and the paths, each ended by NUL,
// with an empty one at the end; 8-bit or, for `wide`, UTF-16: `wideList` when given (the
// paths as they came), else the list by the widening rule. Blank lines are left out, as an
// empty path would end the list early. Empty when no path.
std::vector<uint8_t> DropFilesBlock(const std::string& list, bool wide, int32_t x, int32_t y,
                                    const std::u16string& wideList = {});

// The first path of a list: up to 260 characters, ending at NUL, CR or LF.
std::string FirstPath(const std::string& list);
