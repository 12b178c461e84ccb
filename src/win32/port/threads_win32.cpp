#include "platform/threads.h"

#include <windows.h>

#include <process.h>

#include <memory>

// The system's own threads, not the C++ library's: a burst of short detached std::threads
// lets the MinGW threads library hand a new thread the record of one just ended, and the
// new thread then starts without its work.
namespace {

unsigned __stdcall RunWork(void* argument) {
    const std::unique_ptr<std::function<void()>> work(
        static_cast<std::function<void()>*>(argument));
    (*work)();
    return 0;
}

} // namespace

bool StartDetachedThread(std::function<void()> work) {
    auto owned = std::make_unique<std::function<void()>>(std::move(work));
    const uintptr_t thread = _beginthreadex(nullptr, 0, &RunWork, owned.get(), 0, nullptr);
    if (thread == 0)
        return false;
    owned.release(); // the thread frees it
    CloseHandle(reinterpret_cast<HANDLE>(thread));
    return true;
}
