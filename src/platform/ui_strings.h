#pragma once
// Every user-visible text is a numbered string: from the loaded language library first,
// then from the program's own string table. A text "#N" stands for string N.
#include <string>

std::string LoadUiString(unsigned id);
