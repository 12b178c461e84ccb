#include "store/temp_files.h"

#include <cctype>

#include "platform/files.h"
#include "store/program_files.h"

bool IsTempFileName(const std::string& name) {
    static const char prefix[] = "~qbx~";
    const size_t prefixLen = sizeof prefix - 1;
    // "~QBX~", four characters, the dot, then any extension.
    if (name.size() < prefixLen + 5)
        return false;
    for (size_t i = 0; i < prefixLen; ++i)
        if (std::tolower(static_cast<unsigned char>(name[i])) != prefix[i])
            return false;
    return name[prefixLen + 4] == '.';
}

void DeleteTempFiles() {
    const std::string folder = ProgramFilePath("");
    for (const std::string& name : files::List(folder, ""))
        if (IsTempFileName(name))
            files::Remove(folder + name);
}
