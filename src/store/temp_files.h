#pragma once
// Temporary files of items opened in other programs: "~QBX~%04X.%s" in the program folder.
#include <string>

// True for names matching "~QBX~????.*" (without regard to case).
bool IsTempFileName(const std::string& name);

// Deletes every temporary file left in the program folder.
void DeleteTempFiles();
