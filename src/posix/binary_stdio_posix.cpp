// POSIX streams never translate line ends.
#include "platform/binary_stdio.h"

void SetBinaryMode(std::FILE*) {}
