#pragma once
// Temporary files of items opened in other programs: "~QBX~%04X.%s" in the program folder.
#include <string>
#include <vector>

// The path of temporary file `number` (16 bits, four upper-case hexadecimal digits) with
// the extension `extension` (with its dot): "~QBX~00A1.txt".
std::string TempFilePath(unsigned number, const std::string& extension);

// True for names matching "~QBX~????.*" (without regard to case).
bool IsTempFileName(const std::string& name);

// Deletes every temporary file in the program folder but those in `keep` (paths).
void DeleteTempFiles(const std::vector<std::string>& keep = {});
