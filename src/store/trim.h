#pragma once
// Texts without the blanks around them: command lines, names the user typed, lines of text.
#include <string>

// `text` without the leading and trailing characters that `blanks` lists.
std::string Trim(const std::string& text, const char* blanks = " \t");

// `text` without the trailing characters that `blanks` lists.
std::string TrimRight(const std::string& text, const char* blanks = " \t");
