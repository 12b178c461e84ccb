#include "store/temp_files.h"

#include <algorithm>

#include "platform/files.h"
#include "store/no_case.h"
#include "store/program_files.h"

std::string TempFilePath(unsigned number, const std::string& extension) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string name = "~QBX~";
    for (int shift = 12; shift >= 0; shift -= 4)
        name += kHex[(number >> shift) & 0xF];
    return ProgramFilePath(name + extension);
}

bool IsTempFileName(const std::string& name) {
    // "~QBX~", four characters, the dot, then any extension.
    return name.size() >= 10 && StartsWithNoCase(name, "~QBX~") && name[9] == '.';
}

void DeleteTempFiles(const std::vector<std::string>& keep) {
    const std::string folder = ProgramFilePath("");
    for (const std::string& name : files::List(folder, "")) {
        const std::string path = folder + name;
        if (IsTempFileName(name) && std::find(keep.begin(), keep.end(), path) == keep.end())
            files::Remove(path);
    }
}
