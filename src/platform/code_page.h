#pragma once
// The system's ANSI code page: the 8-bit text of the program and the UTF-16 text of the
// system, and the page's own upper and lower case.
// Implemented in src/win32/port (the system's conversions) and src/posix (Windows-1252).
#include <string>

namespace codepage {

std::u16string ToWide(const std::string& text);

// `text` in the code page. False when some character has no place in it, so that the
// 8-bit text does not give `text` back (`out` then holds the page's replacements).
bool FromWide(const std::u16string& text, std::string& out);

// Upper or lower case by the code page's own mapping of its letters.
std::string ChangeCase(const std::string& text, bool upper);
std::u16string ChangeCaseWide(const std::u16string& text, bool upper);

} // namespace codepage
