#pragma once
// Comparisons of 8-bit texts without regard to letter case (ASCII letters), as file names,
// command lines and registry values are compared.
#include <string>

bool EqualsNoCase(const std::string& a, const std::string& b);
bool LessNoCase(const std::string& a, const std::string& b);
bool StartsWithNoCase(const std::string& text, const std::string& prefix);
bool EndsWithNoCase(const std::string& text, const std::string& suffix);
