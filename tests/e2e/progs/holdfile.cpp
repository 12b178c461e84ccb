// Holds a file open as another program would (a viewer, a backup or a virus scanner), for
// the end-to-end tests.
//   holdfile PATH SHARE STOPFILE SECONDS
//       SHARE "rw": others may read and write the file, but not delete or replace it;
//       SHARE "none": nobody else may open it at all.
//   Prints "held" once the file is open, then keeps it open until the file STOPFILE exists
//   or SECONDS have passed.
// Exit codes: 0 held and released, 1 the file could not be opened, 2 bad arguments.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 5 || (std::strcmp(argv[2], "rw") != 0 && std::strcmp(argv[2], "none") != 0))
        return 2;
    const DWORD share = std::strcmp(argv[2], "rw") == 0 ? FILE_SHARE_READ | FILE_SHARE_WRITE : 0;
    const HANDLE file = CreateFileA(argv[1], GENERIC_READ | GENERIC_WRITE, share, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::printf("refused %lu\n", GetLastError());
        return 1;
    }
    std::puts("held");
    std::fflush(stdout);
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(std::atof(argv[4]) * 1000);
    while (GetTickCount64() < end && GetFileAttributesA(argv[3]) == INVALID_FILE_ATTRIBUTES)
        Sleep(50);
    CloseHandle(file);
    return 0;
}
