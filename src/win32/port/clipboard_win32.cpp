#include "clipboard_win32.h"

#include <windows.h>

#include <new>
#include <string>
#include <vector>

#include "win32/global_block.h"

namespace {
// The window by which Wine copies the X clipboard onto the Windows one; it owns the
// clipboard while an X program's cut is on it.
constexpr char WINE_X_CLIPBOARD_CLASS[] = "__wine_clipboard_manager";

std::string ClassNameOf(HWND window) {
    std::vector<char> name(257, '\0'); // class names have at most 256 characters
    const int n = GetClassNameA(window, name.data(), static_cast<int>(name.size()));
    return n > 0 ? std::string(name.data(), static_cast<size_t>(n)) : std::string();
}
} // namespace

bool Win32Clipboard::IsFormatAvailable(unsigned format) const {
    return IsClipboardFormatAvailable(format) != FALSE;
}

bool Win32Clipboard::GetData(unsigned format, std::vector<uint8_t>& data) const {
    // The clipboard keeps the block; it is only read here.
    GlobalLocked block(GetClipboardData(format));
    if (!block.Data())
        return false;
    try {
        const auto* bytes = static_cast<const uint8_t*>(block.Data());
        data.assign(bytes, bytes + block.Size());
    } catch (const std::bad_alloc&) {
        data.clear();
        return false; // larger than the memory left: as if it could not be had
    }
    return true;
}

size_t Win32Clipboard::DataSize(unsigned format) const {
    HANDLE block = GetClipboardData(format);
    return block ? GlobalSize(block) : 0;
}

bool Win32Clipboard::Open(WindowHandle owner) {
    return OpenClipboard(ToHwnd(owner)) != FALSE;
}

void Win32Clipboard::Close() {
    CloseClipboard();
}

bool Win32Clipboard::Empty() {
    return EmptyClipboard() != FALSE;
}

bool Win32Clipboard::SetData(unsigned format, const std::vector<uint8_t>& data) {
    UniqueGlobal block = GlobalCopyOf(data);
    if (!block || !SetClipboardData(format, block.Get()))
        return false;
    block.Release(); // the clipboard owns it now
    return true;
}

unsigned Win32Clipboard::RegisterFormat(const char* name) {
    return RegisterClipboardFormatA(name);
}

uint32_t Win32Clipboard::SequenceNumber() const {
    return GetClipboardSequenceNumber();
}

void Win32Clipboard::AskForMissedCuts() {
    // Wine drops an X program's cut that finds the clipboard open. Its window's timer makes it
    // compare the X clipboard with what it offered last and offer it anew when it differs.
    HWND owner = GetClipboardOwner();
    if (owner && ClassNameOf(owner) == WINE_X_CLIPBOARD_CLASS)
        PostMessageA(owner, WM_TIMER, 1, 0);
}
