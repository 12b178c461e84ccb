#pragma once
// File-system operations that differ between Windows and the native build.
// Reading and writing file contents uses <cstdio> with 8-bit paths everywhere; these
// are the operations stdio lacks or does differently on Windows.
// Implemented in src/win32/port (Windows) and src/posix (native).
#include <cstdio>
#include <string>
#include <vector>

namespace files {

// Replaces `target` by `source` in one step (both in the same folder). The old target
// stays intact until the new file is complete on disk. False on failure.
bool Replace(const std::string& source, const std::string& target);

// Renames `from` to `to`; fails when `to` exists.
bool Rename(const std::string& from, const std::string& to);

// Removes a plain file; never a folder or a link, nor anything through a link.
bool Remove(const std::string& path);
bool Copy(const std::string& from, const std::string& to); // overwrites
// Exists: an existing file (not a folder); IsFolder: an existing folder.
bool Exists(const std::string& path);
bool IsFolder(const std::string& path);

// The short (8.3) form of an existing file or folder's path; empty when it does not exist.
std::string ShortPath(const std::string& path);

// Names (not paths) of the files in `folder` whose names end with `suffix`
// (compared without regard to case), in the order the system lists them.
std::vector<std::string> List(const std::string& folder, const std::string& suffix);

// Flushes a file written through stdio down to the disk, so that it can safely replace
// an older copy.
bool Sync(std::FILE* file);

} // namespace files
