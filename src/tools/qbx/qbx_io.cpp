// The tool's few ways of talking to its caller.
#include "qbx_tool.h"

#include "platform/files.h"

#include <cstdio>

void Complain(const std::string& message) {
    std::fprintf(stderr, "qbx: %s\n", message.c_str());
}

bool ReadWholeFile(const std::string& path, std::string& out) {
    bool useStdin = path == "-";
    if (!useStdin && files::IsFolder(path)) {
        Complain(path + ": is a directory, not a file");
        return false;
    }
    std::FILE* f = useStdin ? stdin : std::fopen(path.c_str(), "rb");
    if (!f) {
        Complain(path + ": cannot open the file");
        return false;
    }
    out.clear();
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        out.append(buf, n);
    bool ok = !std::ferror(f);
    if (!useStdin)
        std::fclose(f);
    if (!ok)
        Complain((useStdin ? std::string("standard input") : path) + ": read error");
    return ok;
}

bool WriteStdout(const std::string& bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
        std::fflush(stdout) == 0)
        return true;
    Complain("cannot write to standard output");
    return false;
}

std::string Counted(uint64_t number, const char* noun) {
    return std::to_string(number) + ' ' + noun + (number == 1 ? "" : "s");
}

std::string TypeName(uint16_t type) {
    switch (type) {
    case CLIP_TEXT:
        return "text";
    case CLIP_RTF:
        return "rtf";
    case CLIP_BITMAP:
        return "bitmap";
    case CLIP_FILES:
        return "files";
    case CLIP_FILES_WIDE:
        return "files-wide";
    default:
        return std::to_string(type);
    }
}

bool TakeFlag(Args& args, const char* flag) {
    bool found = false;
    for (auto it = args.begin(); it != args.end();) {
        if (*it == flag) {
            found = true;
            it = args.erase(it);
        } else {
            ++it;
        }
    }
    return found;
}

bool NoOtherOptions(const Args& args) {
    for (const std::string& a : args) {
        if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
            Complain("unknown option " + a);
            return false;
        }
    }
    return true;
}
