#pragma once
// The plain text of a Rich Text document, for captions, previews and plain-text pastes.
#include <cstddef>
#include <string>
#include <vector>

// A character that \uN names: the byte written at `at` stands in for the UTF-16 unit.
struct RtfUnicodeMark {
    size_t at;
    char16_t unit;
};

// Appends the text of `rtf` to `text`. Returns false, with `text` in an unspecified state,
// when the source does not read: braces that do not balance, a bad hexadecimal digit, or
// a source that ends inside a control word or an escape.
// With `marks`, also notes where the characters named by \uN were written.
bool ExtractRtfText(const char* rtf, size_t size, std::string& text,
                    std::vector<RtfUnicodeMark>* marks = nullptr);

// The plain text, or the source unchanged when it does not read.
std::string RtfPlainText(const std::string& rtf);

// The plain text in UTF-16: the bytes through the code page, and each character named by
// \uN as itself, so text beyond the code page survives.
std::u16string RtfPlainWide(const std::string& rtf);
