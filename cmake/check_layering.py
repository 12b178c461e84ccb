#!/usr/bin/env python3
"""Windows and COM headers stay in the Win32 layer (src/win32) and in the tests that run under
Wine (tests/win32, tests/e2e): the portable core, its tests, the tools and the benchmarks build
natively without them. Run from the source root; prints every offending include and exits 1
when there is one.

A Windows header is one of the names below, one of the families matched by PATTERN, or any
header of the MinGW-w64 Windows SDK (when it is installed) that the native system does not
have too (so <stdio.h> is not one). Included as <name.h> or "name.h", in any letter case;
the program's own headers go by their folder ("platform/shell.h") and are never matched."""
import os
import re
import sys

NAMED = """windows windowsx winuser wingdi winbase windef winnt winreg winerror winver winnls
wincon wincodec winsock winsock2 ws2tcpip shellapi shlobj shlobj_core shlwapi shobjidl shtypes
objbase objidl ole2 oleidl oleauto olectl oaidl ocidl unknwn propidl commctrl commdlg cderr
dlgs mmsystem mmreg mmdeviceapi richedit richole tlhelp32 psapi dbghelp imagehlp dwmapi
uxtheme vsstyle gdiplus d2d1 dwrite dxgi d3d9 d3d11 strsafe intsafe tchar basetsd guiddef
sdkddkver versionhelpers lmcons sddl aclapi accctrl wtsapi32 setupapi urlmon mshtml exdisp
servprov docobj comdef comutil comip knownfolders propkey propvarutil htmlhelp vfw msacm
digitalv dsound audioclient endpointvolume dshow strmif uuids rpc rpcndr rpcdce ntdef
winternl ntstatus wincrypt imm usp10 oleacc shlguid activscp atlbase atlcom atlwin""".split()
PATTERN = re.compile(r"(win|ole|shl|shell|comm|mm(?!intrin|_malloc|3dnow)|rpc|afx|atl|d3d|d2d"
                     r"|dxgi|dwrite)[a-z0-9_]*|sh[a-z0-9_]*idl|[a-z0-9_]*(api|idl)s?")
SDK_DIRS = ["/usr/share/mingw-w64/include"]
NATIVE_DIRS = ["/usr/include", "/usr/include/x86_64-linux-gnu", "/usr/local/include"]
ALLOWED = ("src/win32/", "tests/win32/", "tests/e2e/")
SCANNED = ("src", "tests", "bench")
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([A-Za-z0-9_]+)\.h[>"]')


def header_names(dirs):
    names = set()
    for d in dirs:
        if os.path.isdir(d):
            names.update(f[:-2].lower() for f in os.listdir(d) if f.endswith(".h"))
    return names


def main():
    windows = set(NAMED) | (header_names(SDK_DIRS) - header_names(NATIVE_DIRS))
    found = []
    for top in SCANNED:
        for folder, _, files in os.walk(top):
            for name in sorted(files):
                path = os.path.join(folder, name).replace(os.sep, "/")
                if path.startswith(ALLOWED) or not name.endswith((".h", ".cpp", ".c")):
                    continue
                with open(path, encoding="utf-8", errors="replace") as f:
                    for number, line in enumerate(f, 1):
                        m = INCLUDE.match(line)
                        if m and (m.group(1).lower() in windows
                                  or PATTERN.fullmatch(m.group(1).lower())):
                            found.append("%s:%d: %s" % (path, number, line.strip()))
    if found:
        print("Windows headers outside %s:" % ", ".join(a.rstrip("/") for a in ALLOWED))
        print("\n".join(found))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
