// Holds a system-wide hot key, as another program would, for the end-to-end tests.
//   holdkey MODIFIERS VK SECONDS    register the hot key (MOD_ flags and virtual key, decimal
//                                   or 0x hex), print "held" or "refused", then keep it
//                                   until SECONDS have passed
// Exit codes: 0 held and released, 1 refused, 2 bad arguments.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4)
        return 2;
    const UINT mods = static_cast<UINT>(std::strtoul(argv[1], nullptr, 0));
    const UINT vk = static_cast<UINT>(std::strtoul(argv[2], nullptr, 0));
    const DWORD ms = static_cast<DWORD>(std::atof(argv[3]) * 1000);
    // A hot key without a window belongs to the thread; its messages come to the queue.
    if (!RegisterHotKey(nullptr, 1, mods, vk)) {
        std::puts("refused");
        return 1;
    }
    std::puts("held");
    std::fflush(stdout);
    const DWORD end = GetTickCount() + ms;
    MSG msg;
    while (GetTickCount() < end) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    }
    UnregisterHotKey(nullptr, 1);
    return 0;
}
