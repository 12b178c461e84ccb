#pragma once
// Whether an open file is the plain file its path names. Under Wine a Unix symbolic link
// looks like a plain file, and what is done to it by name is done to the file it points at.
#include <windows.h>

#include <string>

// True when `file`, opened from `path` (with FILE_FLAG_OPEN_REPARSE_POINT), is neither a
// folder nor a link and lies in the folder `path` names under the name it gives.
bool IsNamedPlainFile(HANDLE file, const std::string& path);
