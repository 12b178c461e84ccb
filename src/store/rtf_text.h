#pragma once
// The plain text of a Rich Text document, for captions, previews and plain-text pastes.
#include <cstddef>
#include <string>

// Appends the text of `rtf` to `text`. Returns false, with `text` in an unspecified state,
// when the source does not read: braces that do not balance, a bad hexadecimal digit, or
// a source that ends inside a control word or an escape.
bool ExtractRtfText(const char* rtf, size_t size, std::string& text);

// The plain text, or the source unchanged when it does not read.
std::string RtfPlainText(const std::string& rtf);
