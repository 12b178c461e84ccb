#pragma once
// Text beyond the ANSI code page: an item keeps its 8-bit text for every 8-bit rule, and
// beside it the exact UTF-16 text when the code page cannot give that back.
#include <string>

struct DualText {
    std::string text;    // in the code page; '?' where it has no place for a character
    std::u16string wide; // empty when `text` gives the UTF-16 text back whole
};

// Units up to the first NUL (or all), as the code page's text and, when needed, the units.
DualText SplitWide(const std::u16string& units);

// The UTF-16 form of an 8-bit text and its kept wide text: the wide text when there is
// one, else the text through the code page.
std::u16string WideOf(const std::string& text, const std::u16string& wide);

// UTF-8 for the console and files of other programs. A lone surrogate becomes U+FFFD.
std::string Utf8FromWide(const std::u16string& text);
// UTF-16 from UTF-8; false for bytes that are not UTF-8 (`out` then holds U+FFFD there).
bool WideFromUtf8(const std::string& text, std::u16string& out);
