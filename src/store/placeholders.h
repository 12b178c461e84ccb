#pragma once
// Texts of the string table with places for other texts. A language library may carry any
// text there, so such a text is never handed to printf.
#include <string>
#include <vector>

// `pattern` with its "%s" places filled by `values` in order and "%%" shown as "%". A "%s"
// beyond the values, and anything else in either, stays as it stands.
std::string FillPlaceholders(const std::string& pattern, const std::vector<std::string>& values);
