#pragma once
// Windows constants that the portable logic needs, with the platform's own values, so that
// code outside src/win32 never includes <windows.h>. Add constants here in the group they
// belong to; src/win32 checks a sample of them against the real headers.
// The names are macros in <windows.h>: a file that includes it cannot include this header,
// so portable headers do not include it either (only portable .cpp files do).
#include <cstdint>

namespace win {

// Standard clipboard formats.
constexpr unsigned CF_TEXT = 1;
constexpr unsigned CF_BITMAP = 2;
constexpr unsigned CF_OEMTEXT = 7;
constexpr unsigned CF_DIB = 8;
constexpr unsigned CF_UNICODETEXT = 13;
constexpr unsigned CF_HDROP = 15;
constexpr unsigned CF_LOCALE = 16;

// Window messages.
constexpr unsigned WM_DESTROY = 0x0002;
constexpr unsigned WM_SETFOCUS = 0x0007;
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_QUERYENDSESSION = 0x0011;
constexpr unsigned WM_ENDSESSION = 0x0016;
constexpr unsigned WM_CANCELMODE = 0x001F;
constexpr unsigned WM_DRAWITEM = 0x002B;
constexpr unsigned WM_MEASUREITEM = 0x002C;
constexpr unsigned WM_KEYDOWN = 0x0100;
constexpr unsigned WM_SYSKEYDOWN = 0x0104;
constexpr unsigned WM_COMMAND = 0x0111;
constexpr unsigned WM_TIMER = 0x0113;
constexpr unsigned WM_INITMENUPOPUP = 0x0117;
constexpr unsigned WM_MENUSELECT = 0x011F;
constexpr unsigned WM_MENUCHAR = 0x0120;
constexpr unsigned WM_ENTERIDLE = 0x0121;
constexpr unsigned WM_MENURBUTTONUP = 0x0122;
constexpr unsigned WM_MENUDRAG = 0x0123;
constexpr unsigned WM_MENUGETOBJECT = 0x0124;
constexpr unsigned WM_MOUSEMOVE = 0x0200;
constexpr unsigned WM_LBUTTONDOWN = 0x0201;
constexpr unsigned WM_LBUTTONUP = 0x0202;
constexpr unsigned WM_LBUTTONDBLCLK = 0x0203;
constexpr unsigned WM_RBUTTONDOWN = 0x0204;
constexpr unsigned WM_RBUTTONUP = 0x0205;
constexpr unsigned WM_DROPFILES = 0x0233;
constexpr unsigned WM_DRAWCLIPBOARD = 0x0308;
constexpr unsigned WM_CHANGECBCHAIN = 0x030D;
constexpr unsigned WM_HOTKEY = 0x0312;
constexpr unsigned WM_USER = 0x0400;

// Virtual keys.
constexpr unsigned VK_TAB = 0x09;
constexpr unsigned VK_SHIFT = 0x10;
constexpr unsigned VK_CONTROL = 0x11;
constexpr unsigned VK_MENU = 0x12;
constexpr unsigned VK_CAPITAL = 0x14;
constexpr unsigned VK_RIGHT = 0x27;
constexpr unsigned VK_INSERT = 0x2D;
constexpr unsigned VK_V = 0x56;
constexpr unsigned VK_APPS = 0x5D;
constexpr unsigned VK_F1 = 0x70;
constexpr unsigned VK_F10 = 0x79;

// RegisterHotKey modifiers.
constexpr unsigned MOD_ALT = 0x0001;
constexpr unsigned MOD_CONTROL = 0x0002;
constexpr unsigned MOD_SHIFT = 0x0004;
constexpr unsigned MOD_WIN = 0x0008;

// Hot-key control modifier flags.
constexpr unsigned HOTKEYF_SHIFT = 0x01;
constexpr unsigned HOTKEYF_CONTROL = 0x02;
constexpr unsigned HOTKEYF_ALT = 0x04;
constexpr unsigned HOTKEYF_EXT = 0x08;

// Menu flags.
constexpr unsigned MF_STRING = 0x0000;
constexpr unsigned MF_GRAYED = 0x0001;
constexpr unsigned MF_DISABLED = 0x0002;
constexpr unsigned MF_CHECKED = 0x0008;
constexpr unsigned MF_POPUP = 0x0010;
constexpr unsigned MF_OWNERDRAW = 0x0100;
constexpr unsigned MF_SEPARATOR = 0x0800;
constexpr unsigned MNC_IGNORE = 0;
constexpr unsigned MNC_CLOSE = 1;
constexpr unsigned MNC_EXECUTE = 2;
constexpr unsigned MNC_SELECT = 3;

// Message box flags and answers.
constexpr unsigned MB_OK = 0x00;
constexpr unsigned MB_YESNO = 0x04;
constexpr unsigned MB_ICONHAND = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONASTERISK = 0x40;
constexpr unsigned MB_TOPMOST = 0x40000;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Taskbar icon.
constexpr unsigned NIM_ADD = 0;
constexpr unsigned NIM_MODIFY = 1;
constexpr unsigned NIM_DELETE = 2;
constexpr unsigned NIF_MESSAGE = 0x1;
constexpr unsigned NIF_ICON = 0x2;
constexpr unsigned NIF_TIP = 0x4;

// Global memory flags (clipboard blocks).
constexpr unsigned GMEM_MOVEABLE = 0x0002;
constexpr unsigned GMEM_ZEROINIT = 0x0040;
constexpr unsigned GMEM_DDESHARE = 0x2000;

// Drop effects.
constexpr uint32_t DROPEFFECT_NONE = 0;
constexpr uint32_t DROPEFFECT_COPY = 1;
constexpr uint32_t DROPEFFECT_MOVE = 2;
constexpr uint32_t DROPEFFECT_LINK = 4;

// DIB compression (the header's compression field).
constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_BITFIELDS = 3;

// Size of the DROPFILES header that precedes a CF_HDROP file list.
constexpr uint32_t DROPFILES_SIZE = 20;

} // namespace win
