#pragma once
// Threads that run on their own: nobody joins them; each ends when its work returns.
#include <functional>

// Runs `work` on a new thread, which owns it and frees it when done. False when no thread
// could start; `work` is then not run.
bool StartDetachedThread(std::function<void()> work);

// How the code that starts threads is handed the function above (a test may refuse).
using ThreadStarter = bool (*)(std::function<void()> work);
