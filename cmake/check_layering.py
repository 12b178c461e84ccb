#!/usr/bin/env python3
"""Includes go down the layers, and Windows and COM headers stay in the Win32 layer (src/win32) and in the tests that run under
Wine (tests/win32, tests/e2e): the portable core, its tests, the tools and the benchmarks build
natively without them. Run from the source root; prints every offending include and exits 1
when there is one.

A Windows header is one of the names below, one of the families matched by PATTERN, or any
header of the MinGW-w64 Windows SDK (when it is installed) that the native system does not
have too (so <stdio.h> is not one). Included as <name.h> or "name.h", in any letter case;
the program's own headers go by their folder ("platform/shell.h") and are never matched.

The program's own headers are included by their folder, and a folder of src may include
only the folders it builds on (LAYERS): the ports know nothing of the program, the store
nothing of the player, menus or service, ui nothing of the service; no portable file
includes anything of src/win32."""
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
OWN_INCLUDE = re.compile(r'^\s*#\s*include\s*"([A-Za-z0-9_]+)/')
# The folders of the program's own headers each folder may include; res/resource.h (the
# ids the resource script shares) is open to all. Folders not listed may include any but
# win32, which only src/win32 and the tests that run under Wine include.
LAYERS = {
    "src/platform": {"platform"},
    "src/store": {"platform", "store"},
    "src/player": {"platform", "store", "player"},
    "src/ui": {"platform", "store", "player", "ui"},
    "src/posix": {"platform"},
}
OWN_FOLDERS = {"platform", "store", "player", "ui", "app", "win32", "posix", "tools"}


def header_names(dirs):
    names = set()
    for d in dirs:
        if os.path.isdir(d):
            names.update(f[:-2].lower() for f in os.listdir(d) if f.endswith(".h"))
    return names


def layer_of(path):
    for layer in LAYERS:
        if path.startswith(layer + "/"):
            return layer
    return None


def wrong_direction(path, folder):
    """True when the file at `path` may not include a header of the program's `folder`."""
    if folder not in OWN_FOLDERS:
        return False
    layer = layer_of(path)
    if layer is not None:
        return folder not in LAYERS[layer]
    return folder == "win32" and not path.startswith(ALLOWED)


def main():
    windows = set(NAMED) | (header_names(SDK_DIRS) - header_names(NATIVE_DIRS))
    found = []
    against = []
    for top in SCANNED:
        for folder, _, files in os.walk(top):
            for name in sorted(files):
                path = os.path.join(folder, name).replace(os.sep, "/")
                if not name.endswith((".h", ".cpp", ".c")):
                    continue
                with open(path, encoding="utf-8", errors="replace") as f:
                    for number, line in enumerate(f, 1):
                        own = OWN_INCLUDE.match(line)
                        if own and wrong_direction(path, own.group(1)):
                            against.append("%s:%d: %s" % (path, number, line.strip()))
                        if path.startswith(ALLOWED):
                            continue
                        m = INCLUDE.match(line)
                        if m and (m.group(1).lower() in windows
                                  or PATTERN.fullmatch(m.group(1).lower())):
                            found.append("%s:%d: %s" % (path, number, line.strip()))
    if found:
        print("Windows headers outside %s:" % ", ".join(a.rstrip("/") for a in ALLOWED))
        print("\n".join(found))
    if against:
        print("Includes against the layering:")
        print("\n".join(against))
    return 1 if found or against else 0


if __name__ == "__main__":
    sys.exit(main())
