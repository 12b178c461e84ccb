#include "named_file_win32.h"

#include <cstring>

#include "win32/handles.h"

namespace {

// The path the system resolves an open file or folder to, without the "\\?\" prefix and
// without a closing backslash; empty when it cannot tell.
std::string FinalPath(HANDLE h) {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = GetFinalPathNameByHandleA(h, &path[0], static_cast<DWORD>(path.size()),
                                                  FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (n == 0)
            return std::string();
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(n + 1);
    }
    if (path.compare(0, 8, "\\\\?\\UNC\\") == 0)
        path = "\\" + path.substr(7);
    else if (path.compare(0, 4, "\\\\?\\") == 0)
        path = path.substr(4);
    while (!path.empty() && path.back() == '\\')
        path.pop_back();
    return path;
}

} // namespace

bool IsNamedPlainFile(HANDLE file, const std::string& path) {
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(file, &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
        return false;
    // The folder is resolved too: it may itself be reached through a link.
    const size_t sep = path.find_last_of("\\/");
    std::string folder = sep == std::string::npos ? std::string(".") : path.substr(0, sep);
    if (folder.empty() || folder.back() == ':')
        folder += '\\';
    const UniqueFile dir(CreateFileA(folder.c_str(), 0,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!dir)
        return false;
    const std::string folderPath = FinalPath(dir.Get());
    return !folderPath.empty() && _stricmp(FinalPath(file).c_str(),
                                           (folderPath + '\\' + path.substr(sep + 1)).c_str()) == 0;
}
