// Native (Linux) implementation of the file operations.
#include "platform/files.h"

#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

bool Replace(const std::string& source, const std::string& target) {
    return std::rename(source.c_str(), target.c_str()) == 0;
}

bool Rename(const std::string& from, const std::string& to) {
    // link() fails when the target exists, unlike rename().
    if (::link(from.c_str(), to.c_str()) != 0)
        return false;
    ::unlink(from.c_str());
    return true;
}

bool Remove(const std::string& path) {
    struct stat st;
    // A plain file only: never a link, nor what it points at.
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::unlink(path.c_str()) == 0;
}

bool Copy(const std::string& from, const std::string& to) {
    std::FILE* in = std::fopen(from.c_str(), "rb");
    if (!in)
        return false;
    std::FILE* out = std::fopen(to.c_str(), "wb");
    if (!out) {
        std::fclose(in);
        return false;
    }
    char buf[65536];
    size_t n;
    bool ok = true;
    while ((n = std::fread(buf, 1, sizeof buf, in)) > 0)
        if (std::fwrite(buf, 1, n, out) != n) {
            ok = false;
            break;
        }
    ok = !std::ferror(in) && ok;
    std::fclose(in);
    return (std::fclose(out) == 0) && ok;
}

bool Exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsFolder(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string ShortPath(const std::string& path) {
    // No short names here: an existing path is its own short form.
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? path : std::string();
}

namespace {
bool EndsWithNoCase(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           ::strcasecmp(text.c_str() + text.size() - suffix.size(), suffix.c_str()) == 0;
}
} // namespace

std::vector<std::string> List(const std::string& folder, const std::string& suffix) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return names;
    while (dirent* e = ::readdir(dir)) {
        std::string name = e->d_name;
        if (EndsWithNoCase(name, suffix) && Exists(folder + "/" + name))
            names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

bool Sync(std::FILE* file) {
    if (std::fflush(file) != 0)
        return false;
    return ::fsync(::fileno(file)) == 0;
}

} // namespace files
