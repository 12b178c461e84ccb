// Pasting: the item goes onto the clipboard in the formats its kind calls for, then the
// target application is made to paste it with a synthesised keystroke, or, for a file list,
// is handed the list as the end of a drag-and-drop.
#include "app/paste.h"

#include "app/busy_scope.h"
#include "app/capture.h"
#include "app/clip_formats.h"
#include "app/paste_text.h"
#include "app/paste_target.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/target_messages.h"
#include "platform/target_window.h"
#include "platform/win_constants.h"
#include "store/counter_format.h"
#include "store/rtf_text.h"

namespace {
constexpr uint32_t PASTE_WAIT_MS = 200;
// With "keep the clipboard empty" the paste is followed by emptying the clipboard once the
// target has let go of it. A target that keeps it open must not hold the program: after
// this many waits the clipboard keeps the pasted data.
constexpr int KEEP_EMPTY_TRIES = 15;

// Preferred DropEffect: copy + link, so that a shell target copies rather than moves.
constexpr uint32_t DROP_EFFECT_COPY_LINK = win::DROPEFFECT_COPY | win::DROPEFFECT_LINK;

bool IsCounterIndex(int32_t variant) {
    return variant >= 0 && variant <= 2;
}

std::vector<uint8_t> U32Block(uint32_t v) {
    return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}
} // namespace

void Paste::EmulatePaste() {
    IKeyInput& keys = m_ports.keys;
    // The user may still hold the keys of a hot key or a menu choice; the target must see
    // the paste keystroke alone.
    keys.KeyUp(win::VK_CONTROL);
    keys.KeyUp(win::VK_SHIFT);
    keys.KeyUp(win::VK_MENU);

    ++m_state.m_nPasteCount;
    // The program's own clipboard change must not pass the capture gate, nor be taken by a
    // later look at the clipboard.
    const uint32_t now = m_ports.clock.TickCount();
    m_state.m_dwLastFilesTick = m_state.m_dwLastTextTick = m_state.m_dwLastBitmapTick = now;
    m_state.m_dwLookedSequence = m_ports.clipboard.SequenceNumber();

    if (m_state.m_hWndTarget == NO_WINDOW)
        return;
    m_target.RestoreTarget();
    if (m_state.m_dwOptions & OPT_PASTE_CTRL_V) {
        keys.KeyDown(win::VK_CONTROL);
        keys.KeyDown(win::VK_V);
        keys.KeyUp(win::VK_V);
        keys.KeyUp(win::VK_CONTROL);
    } else {
        m_state.m_dwOptions |= OPT_PASTE_SHIFT_INS;
        keys.KeyDown(win::VK_SHIFT);
        keys.KeyDown(win::VK_INSERT);
        keys.KeyUp(win::VK_INSERT);
        keys.KeyUp(win::VK_SHIFT);
    }
    m_ports.clock.Sleep(PASTE_WAIT_MS);
    if (m_state.m_dwOptions & OPT_KEEP_CLIPBOARD_EMPTY)
        EmptyClipboardAfterPaste();
}

bool Paste::OpenClipboardBusy() {
    m_busy.SetBusy(true);
    if (OpenClipboardSoon(m_ports.clipboard, m_ports.clock, m_state.m_hWnd))
        return true;
    m_busy.SetBusy(false);
    return false;
}

void Paste::CloseClipboardBusy() {
    m_ports.clipboard.Close();
    m_busy.SetBusy(false);
}

void Paste::EmptyClipboardAfterPaste() {
    IClipboard& clipboard = m_ports.clipboard;
    for (int attempt = 1; attempt <= KEEP_EMPTY_TRIES; ++attempt) {
        if (clipboard.Open(m_state.m_hWnd)) {
            clipboard.Empty();
            clipboard.Close();
            m_state.m_dwLookedSequence = clipboard.SequenceNumber();
            return;
        }
        if (attempt < KEEP_EMPTY_TRIES)
            m_ports.clock.Sleep(PASTE_WAIT_MS);
    }
}

bool Paste::PasteText(const std::string& text, const std::string& html, uint16_t type,
                      int32_t variant, const std::u16string& wide) {
    if ((type == CLIP_FILES || type == CLIP_FILES_WIDE) && !IsPasteVariant(variant)) {
        PasteFileList(text, type == CLIP_FILES_WIDE, wide);
        return false;
    }
    // Busy from before the clipboard opens until after the keystrokes, so that capture
    // ignores the program's own clipboard change.
    BusyScope busy(m_state.m_dwState);
    if (text.empty() || !OpenClipboardBusy())
        return false;
    IClipboard& clipboard = m_ports.clipboard;

    bool counted = false;
    std::string buffer;
    if (variant == PASTE_UNIX) {
        buffer = UnixToWindowsLines(text);
    } else if (IsCounterIndex(variant)) {
        uint16_t& counter = m_state.m_nCounter[variant];
        CounterText formatted = FormatCounter(text, counter);
        buffer = std::move(formatted.text);
        if (formatted.counted) {
            ++counter;
            counted = true;
        }
    } else {
        buffer = text;
    }
    if (type != CLIP_RTF && (variant == PASTE_UPPER || variant == PASTE_LOWER))
        buffer = ApplyTextVariant(buffer, variant);

    clipboard.Empty();
    if (type == CLIP_RTF) {
        if ((m_state.m_dwOptions & OPT_FMT_RTF) && !IsPasteVariant(variant) && g_cfRtf)
            clipboard.SetData(g_cfRtf, TextBlock(buffer));
        // The plain text follows what was put under Rich Text, counter number included.
        const std::string source = counted ? buffer : text;
        clipboard.SetData(win::CF_TEXT, TextBlock(ApplyTextVariant(RtfPlainText(source), variant)));
        // Characters that \uN names beyond the code page are offered whole.
        const std::u16string plainWide = RtfPlainWide(source);
        std::string narrow;
        if (!codepage::FromWide(plainWide, narrow))
            clipboard.SetData(win::CF_UNICODETEXT,
                              WideTextBlock(ApplyTextVariant(plainWide, variant)));
    } else {
        clipboard.SetData(win::CF_TEXT, TextBlock(buffer));
        // Counters and templates work on the 8-bit text; other pastes offer the exact text.
        if (!wide.empty() && !IsCounterIndex(variant))
            clipboard.SetData(win::CF_UNICODETEXT, WideTextBlock(ApplyTextVariant(wide, variant)));
    }
    if (!html.empty() && !IsPasteVariant(variant) && g_cfHtml)
        clipboard.SetData(g_cfHtml, TextBlock(html));
    CloseClipboardBusy();
    EmulatePaste();
    return counted;
}

void Paste::PasteFileList(const std::string& list, bool wide, const std::u16string& wideList) {
    const ScreenPoint cursor = m_ports.input.CursorPos();
    const std::vector<uint8_t> block = DropFilesBlock(list, wide, cursor.x, cursor.y, wideList);
    if (block.empty())
        return;
    if (m_state.m_dwOptions & OPT_PASTE_DROP_FILE) {
        // The end of a drag-and-drop, straight to the target's top-level window; the
        // clipboard is not touched and nothing is typed.
        if (m_state.m_hWndTarget != NO_WINDOW)
            m_ports.targetMessages.SendDropFiles(m_ports.targets.TopLevelOf(m_state.m_hWndTarget),
                                                 block);
        return;
    }
    BusyScope busy(m_state.m_dwState);
    if (!OpenClipboardBusy())
        return;
    IClipboard& clipboard = m_ports.clipboard;
    clipboard.Empty();
    if (g_cfDropEffect)
        clipboard.SetData(g_cfDropEffect, U32Block(DROP_EFFECT_COPY_LINK));
    clipboard.SetData(win::CF_HDROP, block);
    if (g_cfFileName) {
        const std::string shortPath = files::ShortPath(FirstPath(list));
        if (!shortPath.empty())
            clipboard.SetData(g_cfFileName, TextBlock(shortPath));
    }
    CloseClipboardBusy();
    EmulatePaste();
}

void Paste::PasteBitmap(const std::vector<uint8_t>& dib, const std::string& html) {
    BusyScope busy(m_state.m_dwState);
    if (dib.empty() || !OpenClipboardBusy())
        return;
    IClipboard& clipboard = m_ports.clipboard;
    clipboard.Empty();
    clipboard.SetData(win::CF_DIB, dib);
    if (!html.empty() && g_cfHtml)
        clipboard.SetData(g_cfHtml, TextBlock(html));
    CloseClipboardBusy();
    EmulatePaste();
}
