#pragma once
// Standard streams that carry bytes, not text: on Windows the C runtime would otherwise
// turn LF into CR LF on the way out (and CR LF into LF on the way in).
// Implemented in src/win32/port (Windows) and src/posix (native).
#include <cstdio>

void SetBinaryMode(std::FILE* stream);
