#pragma once
// A small reader of numbers by a scanf-style format, for text the user typed. It follows
// scanf's rules for the conversions it knows, without scanf's undefined behaviour:
//   %d, %Nd   optional sign and decimal digits, at most N characters (sign included)
//   %X, %NX   the same with hexadecimal digits of either case
//   blank     any amount of white space, none included
//   other     that character itself
// Leading white space before a number is skipped. Numbers that overflow wrap modulo 2^32.
#include <cstdint>
#include <string>

// Returns how many conversions succeeded before the first mismatch or the end of input;
// values[i] receives the i-th of them. `format` is the program's own, never user text.
int ScanValues(const std::string& input, const char* format, int32_t* values, int maxValues);
