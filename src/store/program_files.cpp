#include "store/program_files.h"

namespace {
// The executable's path: set once at start-up, read everywhere after.
std::string& ProgramPathStorage() {
    static std::string path;
    return path;
}
} // namespace

void SetProgramPath(const std::string& exePath) {
    ProgramPathStorage() = exePath;
}

const std::string& ProgramPath() {
    return ProgramPathStorage();
}

std::string ProgramFilePath(const std::string& name) {
    const std::string& exe = ProgramPath();
    if (!name.empty() && name[0] == '.') {
        size_t dot = exe.rfind('.');
        size_t sep = exe.find_last_of("\\/");
        if (dot == std::string::npos || (sep != std::string::npos && dot < sep))
            return exe + name;
        return exe.substr(0, dot) + name;
    }
    // Backslash on Windows; the native build also accepts '/'.
    size_t sep = exe.find_last_of("\\/");
    if (sep == std::string::npos)
        return name;
    return exe.substr(0, sep + 1) + name;
}
