// Stands in for the editor registered for a kind of file, in the Wine test of "Edit".
//   editstub SIGNALS FILE   copies FILE to SIGNALS\editor.started, waits until
//                           SIGNALS\editor.release exists (as a user takes a while to edit;
//                           at most 120 s), appends "<CR LF>edited by the stand-in" to FILE
//                           and writes SIGNALS\editor.done
// Exit codes: 0 edited, 1 a file could not be read or written, 2 bad arguments, 3 gave up.
#include <windows.h>

#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    const std::string signals = argv[1];
    if (!CopyFileA(argv[2], (signals + "\\editor.started").c_str(), FALSE))
        return 1;
    const std::string release = signals + "\\editor.release";
    for (int waited = 0; GetFileAttributesA(release.c_str()) == INVALID_FILE_ATTRIBUTES;
         waited += 50) {
        if (waited >= 120000)
            return 3;
        Sleep(50);
    }
    {
        std::ofstream out(argv[2], std::ios::binary | std::ios::app);
        if (!(out << "\r\nedited by the stand-in"))
            return 1;
    }
    std::ofstream(signals + "\\editor.done") << "done";
    return 0;
}
