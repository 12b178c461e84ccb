#pragma once
// Owners of Win32 handles: each closes, deletes or frees its handle exactly once, when it
// goes out of scope or is reset. Move-only.
#include <windows.h>

#include <utility>

#include "platform/handles.h"

// The portable code's opaque handles and the Win32 ones.
inline HWND ToHwnd(WindowHandle h) {
    return reinterpret_cast<HWND>(static_cast<uintptr_t>(h));
}
inline WindowHandle FromHwnd(HWND h) {
    return static_cast<WindowHandle>(reinterpret_cast<uintptr_t>(h));
}

template <typename Traits> class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : m_h(h) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : m_h(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle Get() const { return m_h; }
    explicit operator bool() const { return m_h != Traits::Invalid(); }

    // Gives the handle up without closing it.
    Handle Release() { return std::exchange(m_h, Traits::Invalid()); }
    void Reset(Handle h = Traits::Invalid()) {
        Handle old = std::exchange(m_h, h);
        if (old != Traits::Invalid())
            Traits::Close(old);
    }

private:
    Handle m_h = Traits::Invalid();
};

struct KernelHandleTraits { // processes, threads, events: null when absent
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::CloseHandle(h); }
};

struct FileHandleTraits { // CreateFile: INVALID_HANDLE_VALUE when absent
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { ::CloseHandle(h); }
};

template <typename T> struct GdiObjectTraits { // fonts, bitmaps, brushes, pens, regions
    using Handle = T;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::DeleteObject(h); }
};

struct MenuTraits {
    using Handle = HMENU;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::DestroyMenu(h); }
};

struct IconTraits { // icons made or loaded with LR_DEFAULTSIZE etc.; never shared icons
    using Handle = HICON;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::DestroyIcon(h); }
};

struct ModuleTraits {
    using Handle = HMODULE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::FreeLibrary(h); }
};

struct GlobalMemoryTraits { // GlobalAlloc blocks not (yet) handed to the clipboard
    using Handle = HGLOBAL;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::GlobalFree(h); }
};

struct RegKeyTraits {
    using Handle = HKEY;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::RegCloseKey(h); }
};

struct FindHandleTraits { // FindFirstFile: INVALID_HANDLE_VALUE when absent
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { ::FindClose(h); }
};

struct MemoryDcTraits { // CreateCompatibleDC
    using Handle = HDC;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::DeleteDC(h); }
};

using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueGlobal = UniqueHandle<GlobalMemoryTraits>;
using UniqueFile = UniqueHandle<FileHandleTraits>;
using UniqueFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using UniqueBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using UniqueBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using UniquePen = UniqueHandle<GdiObjectTraits<HPEN>>;
using UniqueMenu = UniqueHandle<MenuTraits>;
using UniqueIcon = UniqueHandle<IconTraits>;
using UniqueModule = UniqueHandle<ModuleTraits>;
using UniqueRegKey = UniqueHandle<RegKeyTraits>;
using UniqueFind = UniqueHandle<FindHandleTraits>;
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;

// Selects a GDI object into a device context and puts the previous one back on scope exit.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ obj) : m_dc(dc), m_old(::SelectObject(dc, obj)) {}
    ~SelectedObject() {
        if (m_old && m_old != HGDI_ERROR)
            ::SelectObject(m_dc, m_old);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// A global memory block locked for reading or writing, unlocked on scope exit. Data() is
// null when the block could not be locked (a discarded or invalid block).
class GlobalLocked {
public:
    explicit GlobalLocked(HGLOBAL block)
        : m_block(block), m_data(block ? ::GlobalLock(block) : nullptr) {}
    ~GlobalLocked() {
        if (m_data)
            ::GlobalUnlock(m_block);
    }
    GlobalLocked(const GlobalLocked&) = delete;
    GlobalLocked& operator=(const GlobalLocked&) = delete;
    void* Data() const { return m_data; }
    SIZE_T Size() const { return m_data ? ::GlobalSize(m_block) : 0; }

private:
    HGLOBAL m_block;
    void* m_data;
};

// A window's device context from GetDC, released on scope exit.
class WindowDC {
public:
    explicit WindowDC(HWND window) : m_window(window), m_dc(::GetDC(window)) {}
    ~WindowDC() {
        if (m_dc)
            ::ReleaseDC(m_window, m_dc);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

inline HMENU ToHmenu(MenuHandle h) {
    return reinterpret_cast<HMENU>(static_cast<uintptr_t>(h));
}
inline MenuHandle FromHmenu(HMENU h) {
    return static_cast<MenuHandle>(reinterpret_cast<uintptr_t>(h));
}
inline HFONT ToHfont(FontHandle h) {
    return reinterpret_cast<HFONT>(static_cast<uintptr_t>(h));
}
inline FontHandle FromHfont(HFONT h) {
    return static_cast<FontHandle>(reinterpret_cast<uintptr_t>(h));
}
