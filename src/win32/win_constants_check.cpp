// The portable copies of Windows constants must equal the system's own. Their names are
// macros in <windows.h>, so the portable values are taken before it is included.
#include "platform/win_constants.h"

namespace portable {
constexpr unsigned cfText = win::CF_TEXT, cfDib = win::CF_DIB, cfHdrop = win::CF_HDROP;
constexpr unsigned cfUnicode = win::CF_UNICODETEXT;
constexpr unsigned wmDestroy = win::WM_DESTROY, wmClose = win::WM_CLOSE;
constexpr unsigned wmQueryEnd = win::WM_QUERYENDSESSION, wmEnd = win::WM_ENDSESSION;
constexpr unsigned wmCommand = win::WM_COMMAND, wmUser = win::WM_USER;
constexpr unsigned wmDrawClipboard = win::WM_DRAWCLIPBOARD, wmHotKey = win::WM_HOTKEY;
constexpr unsigned mbYesNo = win::MB_YESNO, mbQuestion = win::MB_ICONQUESTION;
constexpr unsigned mbExclamation = win::MB_ICONEXCLAMATION, mbTopmost = win::MB_TOPMOST;
constexpr int idYes = win::IDYES, idNo = win::IDNO;
constexpr unsigned nimAdd = win::NIM_ADD, nimDelete = win::NIM_DELETE;
constexpr unsigned nifMessage = win::NIF_MESSAGE, nifIcon = win::NIF_ICON, nifTip = win::NIF_TIP;
constexpr unsigned modAlt = win::MOD_ALT, modWin = win::MOD_WIN, vkInsert = win::VK_INSERT;
constexpr unsigned gmemMoveable = win::GMEM_MOVEABLE, gmemShare = win::GMEM_DDESHARE;
constexpr unsigned wmKeyDown = win::WM_KEYDOWN, wmSysKeyDown = win::WM_SYSKEYDOWN;
constexpr unsigned wmRButtonUp = win::WM_RBUTTONUP, vkApps = win::VK_APPS, vkF10 = win::VK_F10;
} // namespace portable

#include <windows.h>

#include <shellapi.h>

using namespace portable;
static_assert(cfText == CF_TEXT && cfDib == CF_DIB && cfHdrop == CF_HDROP);
static_assert(cfUnicode == CF_UNICODETEXT);
static_assert(wmDestroy == WM_DESTROY && wmClose == WM_CLOSE);
static_assert(wmQueryEnd == WM_QUERYENDSESSION && wmEnd == WM_ENDSESSION);
static_assert(wmCommand == WM_COMMAND && wmUser == WM_USER);
static_assert(wmDrawClipboard == WM_DRAWCLIPBOARD && wmHotKey == WM_HOTKEY);
static_assert(mbYesNo == MB_YESNO && mbQuestion == MB_ICONQUESTION);
static_assert(mbExclamation == MB_ICONEXCLAMATION && mbTopmost == MB_TOPMOST);
static_assert(idYes == IDYES && idNo == IDNO);
static_assert(nimAdd == NIM_ADD && nimDelete == NIM_DELETE);
static_assert(nifMessage == NIF_MESSAGE && nifIcon == NIF_ICON && nifTip == NIF_TIP);
static_assert(modAlt == MOD_ALT && modWin == MOD_WIN && vkInsert == VK_INSERT);
static_assert(gmemMoveable == GMEM_MOVEABLE && gmemShare == GMEM_DDESHARE);
static_assert(wmKeyDown == WM_KEYDOWN && wmSysKeyDown == WM_SYSKEYDOWN);
static_assert(wmRButtonUp == WM_RBUTTONUP && vkApps == VK_APPS && vkF10 == VK_F10);
