#pragma once
// What the process sets up once before its first window and takes down after the last:
// OLE (drag and drop out of menus), the rich-edit library, the registered clipboard formats
// and the SetMenuInfo entry point.
#include <windows.h>

#include "handles.h"

// SetMenuInfo where the system has it, else a function that does nothing and returns FALSE.
using SetMenuInfoFn = BOOL(WINAPI*)(HMENU, LPCMENUINFO);
extern SetMenuInfoFn g_pfnSetMenuInfo;

class CAppRuntime {
public:
    CAppRuntime();
    ~CAppRuntime();
    CAppRuntime(const CAppRuntime&) = delete;
    CAppRuntime& operator=(const CAppRuntime&) = delete;

private:
    bool m_oleReady = false;
    UniqueModule m_richEdit;
};
