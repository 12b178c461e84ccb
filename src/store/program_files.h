#pragma once
// Every file of the program lies beside its executable.
#include <string>

// Set once at start-up, before any file is read. The Windows program passes its module
// path in lower case; the qbx tool and the tests pass a path inside the folder they use.
void SetProgramPath(const std::string& exePath);
const std::string& ProgramPath();

// A name beginning with "." replaces the executable's extension (".ini" names the settings
// file); any other name is taken in the executable's folder.
std::string ProgramFilePath(const std::string& name);
