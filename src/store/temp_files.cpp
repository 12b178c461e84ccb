#include "store/temp_files.h"

#include "platform/files.h"
#include "store/no_case.h"
#include "store/program_files.h"

bool IsTempFileName(const std::string& name) {
    // "~QBX~", four characters, the dot, then any extension.
    return name.size() >= 10 && StartsWithNoCase(name, "~QBX~") && name[9] == '.';
}

void DeleteTempFiles() {
    const std::string folder = ProgramFilePath("");
    for (const std::string& name : files::List(folder, ""))
        if (IsTempFileName(name))
            files::Remove(folder + name);
}
