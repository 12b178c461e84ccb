// Windows implementation of the file operations (8-bit "A" functions: the program's
// texts and paths are in the ANSI code page throughout).
#include "platform/files.h"

#include <windows.h>
#include <io.h>

#include "named_file_win32.h"
#include "win32/handles.h"

namespace files {

bool Replace(const std::string& source, const std::string& target) {
    return MoveFileExA(source.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool Rename(const std::string& from, const std::string& to) {
    return MoveFileA(from.c_str(), to.c_str()) != 0;
}

bool Remove(const std::string& path) {
    const UniqueFile file(CreateFileA(path.c_str(), DELETE | FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT,
                                      nullptr));
    if (!file || !IsNamedPlainFile(file.Get(), path))
        return false;
    // Deleted through the handle: exactly the file that was checked.
    FILE_DISPOSITION_INFO disposition = {TRUE};
    return SetFileInformationByHandle(file.Get(), FileDispositionInfo, &disposition,
                                      sizeof disposition) != 0;
}

bool Copy(const std::string& from, const std::string& to) {
    return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}

bool Exists(const std::string& path) {
    DWORD attr = GetFileAttributesA(path.c_str());
    return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFolder(const std::string& path) {
    DWORD attr = GetFileAttributesA(path.c_str());
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string ShortPath(const std::string& path) {
    const DWORD needed = GetShortPathNameA(path.c_str(), nullptr, 0);
    if (needed == 0)
        return std::string();
    std::string shortPath(needed, '\0');
    const DWORD written = GetShortPathNameA(path.c_str(), &shortPath[0], needed);
    if (written == 0 || written >= needed)
        return std::string();
    shortPath.resize(written);
    return shortPath;
}

namespace {
bool EndsWithNoCase(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           _stricmp(text.c_str() + text.size() - suffix.size(), suffix.c_str()) == 0;
}
} // namespace

std::vector<std::string> List(const std::string& folder, const std::string& suffix) {
    std::vector<std::string> names;
    std::string pattern = folder;
    if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/')
        pattern += '\\';
    pattern += '*';
    WIN32_FIND_DATAA fd;
    const UniqueFind find(FindFirstFileA(pattern.c_str(), &fd));
    if (!find)
        return names;
    do {
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        std::string name = fd.cFileName;
        if (EndsWithNoCase(name, suffix))
            names.push_back(name);
    } while (FindNextFileA(find.Get(), &fd));
    return names;
}

bool Sync(std::FILE* file) {
    if (std::fflush(file) != 0)
        return false;
    return _commit(_fileno(file)) == 0;
}

} // namespace files
