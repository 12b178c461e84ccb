// Stands in for the editor registered for a kind of file, for the end-to-end test of "Edit".
//   editstub SIGNALS FILE   writes SIGNALS\editor.started (holding FILE's content), waits
//                           until SIGNALS\editor.release exists (as a user takes a while to
//                           edit), appends "<CR LF>edited by the stand-in" to FILE, writes
//                           SIGNALS\editor.done and ends; gives up after 120 seconds
// Exit codes: 0 edited, 1 the file could not be read or written, 2 bad arguments, 3 gave up.
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    const std::string signals = argv[1];
    const std::string file = argv[2];
    std::ostringstream content;
    {
        std::ifstream in(file, std::ios::binary);
        if (!in)
            return 1;
        content << in.rdbuf();
    }
    std::ofstream(signals + "\\editor.started", std::ios::binary) << content.str();
    const DWORD deadline = GetTickCount() + 120000;
    while (!Exists(signals + "\\editor.release")) {
        if (GetTickCount() > deadline)
            return 3;
        Sleep(50);
    }
    {
        std::ofstream out(file, std::ios::binary | std::ios::app);
        if (!(out << "\r\nedited by the stand-in"))
            return 1;
    }
    std::ofstream(signals + "\\editor.done") << "done";
    return 0;
}
