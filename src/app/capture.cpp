// Capture: every cut another program puts on the clipboard becomes an item of the active
// collection, within the formats and limits the user chose.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "app/busy_scope.h"
#include "app/clip_formats.h"
#include "app/collection_store.h"
#include "app/service_wnd.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/picture_decoder.h"
#include "platform/sound.h"
#include "platform/viewer_chain.h"
#include "platform/win_constants.h"
#include "store/byte_block.h"
#include "store/collections.h"
#include "store/picture_dib.h"

namespace {
// Many programs announce one cut several times in a row; a category checked within this
// time counts as the same cut.
constexpr uint32_t GATE_MS = 500;

// Another program may hold the clipboard open for a moment: a few tries, never long.
constexpr int OPEN_TRIES = 5;
constexpr uint32_t OPEN_RETRY_MS = 20;
constexpr uint32_t OPEN_GIVE_UP_MS = 100;

// Formats by which programs (password managers, for one) mark a cut as not to be kept.
constexpr const char* CF_NAME_NO_MONITOR = "ExcludeClipboardContentFromMonitorProcessing";
constexpr const char* CF_NAME_VIEWER_IGNORE = "Clipboard Viewer Ignore";
constexpr const char* CF_NAME_HISTORY = "CanIncludeInClipboardHistory";

// Browsers, image editors and X programs (through Wine) may offer a picture only as a PNG
// file under this name.
constexpr const char* CF_NAME_PNG = "PNG";
// Never more pixels than this are decoded: 256 MB of them, a picture of 8192 x 8192.
constexpr uint64_t MAX_PICTURE_PIXELS = uint64_t(64) << 20;

// MessageBeep argument of each sound choice; 0 "None" plays nothing.
constexpr uint32_t BEEP_OF_SOUND[] = {0,
                                      0xFFFFFFFF, // "Speaker": the simple beep
                                      win::MB_ICONASTERISK,
                                      win::MB_ICONEXCLAMATION,
                                      win::MB_ICONHAND,
                                      win::MB_ICONQUESTION,
                                      win::MB_OK};
constexpr uint8_t LAST_SOUND = 6;
constexpr uint8_t FALLBACK_SOUND = 2;

// Closes the clipboard on every way out of the scope that opened it.
class ClipboardCloser {
public:
    explicit ClipboardCloser(IClipboard& clipboard) : m_clipboard(clipboard) {}
    ~ClipboardCloser() { m_clipboard.Close(); }
    ClipboardCloser(const ClipboardCloser&) = delete;
    ClipboardCloser& operator=(const ClipboardCloser&) = delete;

private:
    IClipboard& m_clipboard;
};
} // namespace

void CServiceWnd::JoinViewerChain() {
    IClipboard& clipboard = m_ports.clipboard;
    m_cfNoMonitor = clipboard.RegisterFormat(CF_NAME_NO_MONITOR);
    m_cfViewerIgnore = clipboard.RegisterFormat(CF_NAME_VIEWER_IGNORE);
    m_cfHistory = clipboard.RegisterFormat(CF_NAME_HISTORY);
    m_cfPng = clipboard.RegisterFormat(CF_NAME_PNG);

    // What is on the clipboard at start-up was cut before this run: it is no repeat of
    // anything, however soon after the stamps were set.
    const uint32_t past = m_ports.clock.TickCount() - GATE_MS - 1;
    m_dwLastFilesTick = m_dwLastTextTick = m_dwLastBitmapTick = past;
    OnDrawClipboard();
    m_hWndNextViewer = m_ports.viewers.Join(m_hWnd);
}

void CServiceWnd::LeaveViewerChain() {
    if (m_hWndNextViewer == NO_NEXT_VIEWER)
        return;
    m_ports.viewers.Leave(m_hWnd, m_hWndNextViewer);
    m_hWndNextViewer = NO_NEXT_VIEWER;
}

void CServiceWnd::OnChangeCbChain(WindowHandle removed, WindowHandle next) {
    if (removed == m_hWndNextViewer)
        m_hWndNextViewer = next;
    ForwardToNextViewer(win::WM_CHANGECBCHAIN, static_cast<uintptr_t>(removed),
                        static_cast<intptr_t>(next));
}

void CServiceWnd::ForwardToNextViewer(unsigned message, uintptr_t wParam, intptr_t lParam) {
    if (m_hWndNextViewer != 0 && m_hWndNextViewer != NO_NEXT_VIEWER)
        m_ports.viewers.Forward(m_hWndNextViewer, message, wParam, lParam);
}

bool CServiceWnd::IsFormatFresh(unsigned format) {
    if (!m_ports.clipboard.IsFormatAvailable(format))
        return false;
    uint32_t* stamp = &m_dwLastTextTick;
    if (format == win::CF_DIB || (format == m_cfPng && m_cfPng != 0))
        stamp = &m_dwLastBitmapTick;
    else if (format == win::CF_HDROP || format == CLIP_FILES_WIDE)
        stamp = &m_dwLastFilesTick;
    const uint32_t now = m_ports.clock.TickCount();
    const uint32_t elapsed = now - *stamp; // unsigned: right across the wrap of the count
    *stamp = now;
    return elapsed > GATE_MS;
}

void CServiceWnd::OnDrawClipboard(uintptr_t wParam, intptr_t lParam) {
    const bool capture = (m_dwState & ST_VIEWER_ON) && !(m_dwState & (ST_BUSY | ST_PAUSED));
    if (capture) {
        // Busy for the time of the capture. Reading data that its owner renders only on
        // request waits for that owner, and meanwhile the system delivers the messages sent
        // to this window, among them the next WM_DRAWCLIPBOARD: that one must not capture
        // (and close the clipboard) in the middle of this one.
        BusyScope busy(m_dwState);
        if (OpenClipboardSoon()) {
            ClipboardCloser closer(m_ports.clipboard);
            if (!IsExcludedFromCapture()) {
                bool handled = false;
                if (m_dwOptions & OPT_FMT_FILES)
                    CaptureFiles(handled);
                bool textGateOpen = false;
                bool textTaken = false;
                if (m_dwOptions & OPT_FMT_RTF)
                    textTaken = CaptureRichText(textGateOpen, handled);
                if (!textTaken && (m_dwOptions & OPT_FMT_TEXT)) {
                    // Plain text only stands in for a clipboard without Unicode text.
                    const unsigned format = m_ports.clipboard.IsFormatAvailable(win::CF_UNICODETEXT)
                                                ? win::CF_UNICODETEXT
                                                : win::CF_TEXT;
                    CaptureText(format, textGateOpen, handled);
                }
                CaptureBitmap(handled);
            }
        }
        TrimToCapacity(m_activeList, *this);
    }

    ForwardToNextViewer(win::WM_DRAWCLIPBOARD, wParam, lParam);

    // HOOK(hot window): when capture ran and m_pHotWnd exists, RefreshHotWnd().
}

bool CServiceWnd::OpenClipboardSoon() {
    IClock& clock = m_ports.clock;
    const uint32_t start = clock.TickCount();
    for (int attempt = 1;; ++attempt) {
        if (m_ports.clipboard.Open(m_hWnd))
            return true;
        if (attempt == OPEN_TRIES || clock.TickCount() - start + OPEN_RETRY_MS > OPEN_GIVE_UP_MS)
            return false;
        clock.Sleep(OPEN_RETRY_MS);
    }
}

bool CServiceWnd::IsExcludedFromCapture() {
    const IClipboard& clipboard = m_ports.clipboard;
    if (m_cfNoMonitor && clipboard.IsFormatAvailable(m_cfNoMonitor))
        return true;
    if (m_cfViewerIgnore && clipboard.IsFormatAvailable(m_cfViewerIgnore))
        return true;
    std::vector<uint8_t> allowed;
    return m_cfHistory && clipboard.IsFormatAvailable(m_cfHistory) &&
           clipboard.GetData(m_cfHistory, allowed) && allowed.size() >= 4 &&
           GetLe32(allowed.data()) == 0;
}

void CServiceWnd::CaptureFiles(bool& handled) {
    if (!IsFormatFresh(win::CF_HDROP))
        return;
    std::vector<uint8_t> data;
    if (m_ports.clipboard.GetData(win::CF_HDROP, data)) {
        if (auto item = CClipItem::FromDropFiles(data)) {
            SetBusy(true);
            RemoveDuplicates(m_activeList, *item, *this); // never re-uses an item for files
            InsertItem(std::move(item));
            AfterInsert();
        }
    }
    m_dwLastFilesTick = m_ports.clock.TickCount();
    handled = true;
}

bool CServiceWnd::CaptureRichText(bool& textGateOpen, bool& handled) {
    if (!IsFormatFresh(g_cfRtf))
        return false;
    textGateOpen = true;
    handled = true;
    std::vector<uint8_t> data;
    if (!m_ports.clipboard.GetData(g_cfRtf, data))
        return false;
    std::string rtf = BlockString(data);
    if (!PassesTextLimits(rtf.size(), *this))
        return false;
    SetBusy(true);
    auto item = CClipItem::FromRtf(rtf);
    RemoveDuplicates(m_activeList, *item, *this); // never re-uses an item for Rich Text
    CClipItem* placed = InsertItem(std::move(item));
    if (placed && (m_dwOptions & OPT_FMT_HTML))
        placed->AttachHtml(m_ports.clipboard, g_cfHtml);
    AfterInsert();
    m_dwLastTextTick = m_ports.clock.TickCount();
    return true;
}

void CServiceWnd::CaptureText(unsigned format, bool textGateOpen, bool& handled) {
    // Rich Text that was refused for its length opened the text gate of this cut already;
    // its plain form may still fit.
    const bool fresh =
        textGateOpen ? m_ports.clipboard.IsFormatAvailable(format) : IsFormatFresh(format);
    if (!fresh)
        return;
    handled = true;
    std::vector<uint8_t> data;
    bool taken = false;
    if (m_ports.clipboard.GetData(format, data)) {
        std::unique_ptr<CClipItem> item;
        if (format == win::CF_UNICODETEXT) {
            std::u16string text = BlockWideString(data);
            if (PassesTextLimits(text.size(), *this))
                item = CClipItem::FromWideText(text);
        } else {
            std::string text = BlockString(data);
            if (PassesTextLimits(text.size(), *this))
                item = CClipItem::FromText(text);
        }
        if (item) {
            SetBusy(true);
            // Text equal to the plain form of a kept Rich Text item brings that item forward.
            if (auto reused = RemoveDuplicates(m_activeList, *item, *this))
                item = std::move(reused);
            if (CClipItem* placed = InsertItem(std::move(item))) {
                placed->SetHtml(std::string());
                if (m_dwOptions & OPT_FMT_HTML)
                    placed->AttachHtml(m_ports.clipboard, g_cfHtml);
            }
            AfterInsert();
            taken = true;
        }
    }
    if (taken || format == win::CF_TEXT)
        m_dwLastTextTick = m_ports.clock.TickCount();
}

void CServiceWnd::CaptureBitmap(bool handled) {
    IClipboard& clipboard = m_ports.clipboard;
    const bool keepEmpty = (m_dwOptions & OPT_KEEP_CLIPBOARD_EMPTY) != 0;
    // A DIB is what is kept; a picture offered only as PNG is made into one.
    const unsigned format =
        m_cfPng && !clipboard.IsFormatAvailable(win::CF_DIB) && clipboard.IsFormatAvailable(m_cfPng)
            ? m_cfPng
            : win::CF_DIB;
    if (!(m_dwOptions & OPT_FMT_BITMAP) || !IsFormatFresh(format)) {
        if (handled && keepEmpty)
            clipboard.Empty();
        return;
    }
    std::vector<uint8_t> dib;
    if (ReadCapturedPicture(format, dib)) {
        SetBusy(true);
        RemoveEqualBitmaps(m_activeList, dib.data(), dib.size());
        CClipItem* placed = InsertItem(CClipItem::FromDib(std::move(dib), m_nBitmapCounter));
        if (placed) {
            placed->SetHtml(std::string());
            if (m_dwOptions & OPT_FMT_HTML) {
                placed->AttachHtml(clipboard, g_cfHtml);
                if (placed->HasHtml())
                    placed->caption += " + HTML";
            }
        }
        AfterInsert();
    }
    m_dwLastBitmapTick = m_ports.clock.TickCount();
    if (keepEmpty)
        clipboard.Empty();
}

bool CServiceWnd::ReadCapturedPicture(unsigned format, std::vector<uint8_t>& dib) {
    const IClipboard& clipboard = m_ports.clipboard;
    if (format == win::CF_DIB) {
        // The size limit is checked before the picture is read into memory.
        return FitsMaxItemSize(clipboard.DataSize(format), *this) &&
               clipboard.GetData(format, dib) && !dib.empty() && FitsMaxItemSize(dib.size(), *this);
    }
    // The limit applies to the DIB that is kept, known once the picture's size is.
    uint64_t maxPixels = MAX_PICTURE_PIXELS;
    if (m_nMaxItemSizeKB != 0)
        maxPixels = std::min<uint64_t>(maxPixels, uint64_t(m_nMaxItemSizeKB) * 1024 / 3);
    std::vector<uint8_t> png;
    DecodedPicture picture;
    if (!clipboard.GetData(format, png) || !m_ports.pictures.DecodePng(png, maxPixels, picture))
        return false;
    const uint64_t size = PictureDibSize(picture.width, picture.height);
    if (size == 0 || !FitsMaxItemSize(size_t(size), *this))
        return false;
    dib = DibFromPicture(picture);
    return !dib.empty();
}

void CServiceWnd::AfterInsert() {
    if (m_dwOptions & OPT_AUTOSAVE) {
        // The file holds what the collection holds: never one item beyond its capacity.
        TrimToCapacity(m_activeList, *this);
        m_ports.store.SaveActiveCollection(*this);
    }
    SetBusy(false);
}

CClipItem* CServiceWnd::InsertItem(std::unique_ptr<CClipItem> item) {
    if (!item)
        return nullptr;
    CClipItem* placed = ::InsertItem(m_activeList, std::move(item), *this);
    PlaySound(m_nSound);
    return placed;
}

void CServiceWnd::PlaySound(uint8_t choice) {
    if (choice > LAST_SOUND)
        choice = FALLBACK_SOUND;
    m_nSound = choice;
    if (choice != 0)
        m_ports.sound.MessageBeep(BEEP_OF_SOUND[choice]);
}
