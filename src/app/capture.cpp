// Capture: every cut another program puts on the clipboard becomes an item of the active
// collection, within the formats and limits the user chose.
#include "app/capture.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "app/busy_scope.h"
#include "app/clip_formats.h"
#include "app/collection_store.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/picture_decoder.h"
#include "platform/service_window.h"
#include "platform/system.h"
#include "platform/viewer_chain.h"
#include "platform/win_constants.h"
#include "resource.h"
#include "store/byte_block.h"
#include "store/collections.h"
#include "store/picture_dib.h"
#include "store/rtf_text.h"

namespace {
// Many programs announce one cut several times in a row; a category checked within this
// time counts as the same cut.
constexpr uint32_t GATE_MS = 500;

// A notification that could not be followed (capture busy, the gate shut, the clipboard held
// by another program) is followed up once its reason has passed: after the gate's time, so
// that the last cut of a burst passes the gate. A clipboard that stays held is given up
// after this many looks.
constexpr unsigned LOOK_AGAIN_MS = GATE_MS + 50;
constexpr int LOOK_AGAIN_LIMIT = 10;

// Another program may hold the clipboard open for a moment: a few tries, never long.
constexpr int OPEN_TRIES = 5;
constexpr uint32_t OPEN_RETRY_MS = 20;
constexpr uint32_t OPEN_GIVE_UP_MS = 100;

// Formats by which programs (password managers, for one) mark a cut as not to be kept.
constexpr const char* CF_NAME_NO_MONITOR = "ExcludeClipboardContentFromMonitorProcessing";
constexpr const char* CF_NAME_VIEWER_IGNORE = "Clipboard Viewer Ignore";
constexpr const char* CF_NAME_HISTORY = "CanIncludeInClipboardHistory";
// Password managers of Linux desktops mark a password with this X target holding "secret";
// Wine hands it on as a format of the same name.
constexpr const char* CF_NAME_PASSWORD_HINT = "x-kde-passwordManagerHint";
constexpr const char PASSWORD_HINT_SECRET[] = "secret";

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

// The same cut as the kept item, as far as a capture can tell: equal content, or plain text
// that reads as the kept Rich Text does (it would bring that item forward).
bool IsSameCut(const CClipItem& kept, const CClipItem& cut) {
    if (kept.html != cut.html)
        return false;
    if (kept.type == CLIP_RTF && cut.type == CLIP_TEXT)
        return RtfPlainText(kept.text) == cut.text;
    return kept.type == cut.type && kept.text == cut.text && kept.dib == cut.dib;
}
} // namespace

// What one look at the clipboard learnt: the blocks of the cut, read while the clipboard is
// open and made into items once it is closed again. The clipboard is held no longer than the
// reading takes: Wine drops a cut of an X program that finds it held.
struct ClipboardLook {
    bool again = false;         // a follow-up of a notification that could not be followed
    bool handled = false;       // a category passed the gate: the notification was a cut
    bool textGateOpen = false;  // this cut's Rich Text passed the text gate
    bool tooSoon = false;       // a format was offered within the gate's time of its last check
    bool keptNew = false;       // a cut other than the newest kept one was taken
    std::vector<uint8_t> files; // CF_HDROP
    bool hasRtf = false;
    std::string rtf;
    unsigned textFormat = 0; // CF_UNICODETEXT (wideText) or CF_TEXT (text); 0: none
    std::u16string wideText;
    std::string text;
    unsigned pictureFormat = 0; // CF_DIB, or the PNG format; 0: none
    std::vector<uint8_t> picture;
    std::string html;
};

bool OpenClipboardSoon(IClipboard& clipboard, IClock& clock, WindowHandle owner) {
    const uint32_t start = clock.TickCount();
    for (int attempt = 1;; ++attempt) {
        if (clipboard.Open(owner))
            return true;
        if (attempt == OPEN_TRIES || clock.TickCount() - start + OPEN_RETRY_MS > OPEN_GIVE_UP_MS)
            return false;
        clock.Sleep(OPEN_RETRY_MS);
    }
}

Capture::Capture(const CapturePorts& ports, ServiceState& state, IBusyIndicator& busy,
                 HotWindowKeeper& hotWindow)
    : m_ports(ports), m_state(state), m_busy(busy), m_hotWindow(hotWindow) {}

Capture::~Capture() = default;

void Capture::JoinViewerChain() {
    IClipboard& clipboard = m_ports.clipboard;
    m_cfNoMonitor = clipboard.RegisterFormat(CF_NAME_NO_MONITOR);
    m_cfViewerIgnore = clipboard.RegisterFormat(CF_NAME_VIEWER_IGNORE);
    m_cfHistory = clipboard.RegisterFormat(CF_NAME_HISTORY);
    m_cfPasswordHint = clipboard.RegisterFormat(CF_NAME_PASSWORD_HINT);
    m_cfPng = clipboard.RegisterFormat(CF_NAME_PNG);

    // What is on the clipboard at start-up was cut before this run: it is no repeat of
    // anything, however soon after the stamps were set.
    const uint32_t past = m_ports.clock.TickCount() - GATE_MS - 1;
    m_state.m_dwLastFilesTick = m_state.m_dwLastTextTick = m_state.m_dwLastBitmapTick = past;
    OnDrawClipboard(0, 0);
    m_state.m_hWndNextViewer = m_ports.viewers.Join(m_state.m_hWnd);
}

void Capture::LeaveViewerChain() {
    if (m_state.m_hWndNextViewer == NO_NEXT_VIEWER)
        return;
    m_ports.viewers.Leave(m_state.m_hWnd, m_state.m_hWndNextViewer);
    m_state.m_hWndNextViewer = NO_NEXT_VIEWER;
}

void Capture::OnChangeCbChain(WindowHandle removed, WindowHandle next) {
    if (removed == m_state.m_hWndNextViewer)
        m_state.m_hWndNextViewer = next;
    ForwardToNextViewer(win::WM_CHANGECBCHAIN, static_cast<uintptr_t>(removed),
                        static_cast<intptr_t>(static_cast<uintptr_t>(next)));
}

void Capture::ForwardToNextViewer(unsigned message, uintptr_t wParam, intptr_t lParam) {
    if (m_state.m_hWndNextViewer != NO_WINDOW && m_state.m_hWndNextViewer != NO_NEXT_VIEWER)
        m_ports.viewers.Forward(m_state.m_hWndNextViewer, message, wParam, lParam);
}

bool Capture::IsFormatFresh(unsigned format, ClipboardLook& look) {
    if (!m_ports.clipboard.IsFormatAvailable(format))
        return false;
    uint32_t* stamp = &m_state.m_dwLastTextTick;
    if (format == win::CF_DIB || (format == m_cfPng && m_cfPng != 0))
        stamp = &m_state.m_dwLastBitmapTick;
    else if (format == win::CF_HDROP || format == CLIP_FILES_WIDE)
        stamp = &m_state.m_dwLastFilesTick;
    const uint32_t now = m_ports.clock.TickCount();
    const uint32_t elapsed = now - *stamp; // unsigned: right across the wrap of the count
    *stamp = now;
    if (elapsed > GATE_MS)
        return true;
    look.tooSoon = true;
    return false;
}

void Capture::OnDrawClipboard(uintptr_t wParam, intptr_t lParam) {
    m_nLooksAgain = 0; // a new notification: a new allowance of follow-ups
    LookAtClipboard(false);
    ForwardToNextViewer(win::WM_DRAWCLIPBOARD, wParam, lParam);
}

void Capture::LookAgainAtClipboard() {
    m_ports.timers.Kill(m_state.m_hWnd, TIMER_LOOK_AGAIN);
    const uint32_t sequence = m_ports.clipboard.SequenceNumber();
    if (sequence != 0 && sequence == m_state.m_dwLookedSequence)
        return; // nothing was cut since the last whole look
    ++m_nLooksAgain;
    LookAtClipboard(true);
}

void Capture::LookAgainLater() {
    if (m_nLooksAgain < LOOK_AGAIN_LIMIT)
        m_ports.timers.Set(m_state.m_hWnd, TIMER_LOOK_AGAIN, LOOK_AGAIN_MS);
}

void Capture::LookAtClipboard(bool again) {
    if (!(m_state.m_dwState & ST_VIEWER_ON) || (m_state.m_dwState & ST_PAUSED))
        return;
    if (m_state.m_dwState & ST_BUSY) {
        // Reading an earlier cut, or writing the program's own: this one waits.
        LookAgainLater();
        return;
    }
    // Busy for the time of the capture. Reading data that its owner renders only on request
    // waits for that owner, and meanwhile the system delivers the messages sent to this
    // window, among them the next WM_DRAWCLIPBOARD: that one must not capture (and close the
    // clipboard) in the middle of this one.
    BusyScope busy(m_state.m_dwState);
    ClipboardLook look;
    look.again = again;
    if (!ReadClipboard(look) || look.tooSoon)
        LookAgainLater();
    KeepCut(look);
    if (look.keptNew)
        m_ports.clipboard.AskForMissedCuts(); // it may have missed one while this was read
    if (m_nCaptureHolds == 0) {
        TrimToCapacity(m_state.m_activeList, m_state);
        m_hotWindow.Refresh(); // after the trim: the hot-menu's rows point at the items
    }
}

bool Capture::ReadClipboard(ClipboardLook& look) {
    if (!OpenClipboardSoon(m_ports.clipboard, m_ports.clock, m_state.m_hWnd))
        return false;
    ClipboardCloser closer(m_ports.clipboard);
    const uint32_t sequence = m_ports.clipboard.SequenceNumber();
    if (!IsExcludedFromCapture())
        ReadFormats(look);
    if (!look.tooSoon)
        m_state.m_dwLookedSequence = sequence;
    return true;
}

void Capture::ReadFormats(ClipboardLook& look) {
    IClipboard& clipboard = m_ports.clipboard;
    if (m_state.m_dwOptions & OPT_FMT_FILES)
        ReadFiles(look);
    if (m_state.m_dwOptions & OPT_FMT_RTF)
        ReadRichText(look);
    if (!look.hasRtf && (m_state.m_dwOptions & OPT_FMT_TEXT))
        ReadText(look);
    if (m_state.m_dwOptions & OPT_FMT_BITMAP)
        ReadPicture(look);
    std::vector<uint8_t> html;
    if ((m_state.m_dwOptions & OPT_FMT_HTML) &&
        (look.hasRtf || look.textFormat || look.pictureFormat) &&
        clipboard.IsFormatAvailable(g_cfHtml) && clipboard.GetData(g_cfHtml, html))
        look.html = BlockString(html);
    if (look.handled && (m_state.m_dwOptions & OPT_KEEP_CLIPBOARD_EMPTY))
        clipboard.Empty();
}

bool Capture::IsExcludedFromCapture() {
    const IClipboard& clipboard = m_ports.clipboard;
    if (m_cfNoMonitor && clipboard.IsFormatAvailable(m_cfNoMonitor))
        return true;
    if (m_cfViewerIgnore && clipboard.IsFormatAvailable(m_cfViewerIgnore))
        return true;
    std::vector<uint8_t> data;
    if (m_cfPasswordHint && clipboard.IsFormatAvailable(m_cfPasswordHint) &&
        clipboard.GetData(m_cfPasswordHint, data) && BlockString(data) == PASSWORD_HINT_SECRET)
        return true;
    return m_cfHistory && clipboard.IsFormatAvailable(m_cfHistory) &&
           clipboard.GetData(m_cfHistory, data) && data.size() >= 4 && GetLe32(data.data()) == 0;
}

void Capture::ReadFiles(ClipboardLook& look) {
    if (!IsFormatFresh(win::CF_HDROP, look))
        return;
    if (!m_ports.clipboard.GetData(win::CF_HDROP, look.files))
        look.files.clear();
    m_state.m_dwLastFilesTick = m_ports.clock.TickCount();
    look.handled = true;
}

void Capture::ReadRichText(ClipboardLook& look) {
    if (!IsFormatFresh(g_cfRtf, look))
        return;
    look.textGateOpen = true;
    look.handled = true;
    std::vector<uint8_t> data;
    if (!m_ports.clipboard.GetData(g_cfRtf, data))
        return;
    look.rtf = BlockString(data);
    look.hasRtf = PassesTextLimits(look.rtf.size(), m_state);
    if (look.hasRtf)
        m_state.m_dwLastTextTick = m_ports.clock.TickCount();
}

void Capture::ReadText(ClipboardLook& look) {
    const IClipboard& clipboard = m_ports.clipboard;
    // Plain text only stands in for a clipboard without Unicode text.
    const unsigned format =
        clipboard.IsFormatAvailable(win::CF_UNICODETEXT) ? win::CF_UNICODETEXT : win::CF_TEXT;
    // Rich Text that was refused for its length opened the text gate of this cut already;
    // its plain form may still fit.
    const bool fresh =
        look.textGateOpen ? clipboard.IsFormatAvailable(format) : IsFormatFresh(format, look);
    if (!fresh)
        return;
    look.handled = true;
    std::vector<uint8_t> data;
    if (clipboard.GetData(format, data)) {
        if (format == win::CF_UNICODETEXT)
            look.wideText = BlockWideString(data);
        else
            look.text = BlockString(data);
        const size_t length =
            format == win::CF_UNICODETEXT ? look.wideText.size() : look.text.size();
        if (PassesTextLimits(length, m_state))
            look.textFormat = format;
    }
    if (look.textFormat || format == win::CF_TEXT)
        m_state.m_dwLastTextTick = m_ports.clock.TickCount();
}

void Capture::ReadPicture(ClipboardLook& look) {
    const IClipboard& clipboard = m_ports.clipboard;
    // A DIB is what is kept; a picture offered only as PNG is made into one.
    const unsigned format =
        m_cfPng && !clipboard.IsFormatAvailable(win::CF_DIB) && clipboard.IsFormatAvailable(m_cfPng)
            ? m_cfPng
            : win::CF_DIB;
    if (!IsFormatFresh(format, look))
        return;
    look.handled = true;
    bool read = false;
    if (format == win::CF_DIB) {
        // The size limit is checked before the picture is read into memory.
        read = FitsMaxItemSize(clipboard.DataSize(format), m_state) &&
               clipboard.GetData(format, look.picture) && !look.picture.empty() &&
               FitsMaxItemSize(look.picture.size(), m_state);
    } else {
        read = clipboard.GetData(format, look.picture); // its size is known once decoded
    }
    if (read)
        look.pictureFormat = format;
    else
        look.picture.clear();
    m_state.m_dwLastBitmapTick = m_ports.clock.TickCount();
}

void Capture::KeepCut(ClipboardLook& look) {
    if (!look.files.empty()) {
        if (auto item = CClipItem::FromDropFiles(look.files))
            Keep(std::move(item), look);
    }
    std::unique_ptr<CClipItem> text;
    if (look.hasRtf)
        text = CClipItem::FromRtf(look.rtf);
    else if (look.textFormat == win::CF_UNICODETEXT)
        text = CClipItem::FromWideText(look.wideText);
    else if (look.textFormat == win::CF_TEXT)
        text = CClipItem::FromText(look.text);
    if (text) {
        text->SetHtml(look.html);
        Keep(std::move(text), look);
    }
    std::vector<uint8_t> dib;
    if (look.pictureFormat && PictureDib(look, dib)) {
        auto item = CClipItem::FromDib(std::move(dib), m_state.m_nBitmapCounter);
        item->SetHtml(look.html);
        if (item->HasHtml())
            item->caption += " + HTML";
        Keep(std::move(item), look);
    }
}

bool Capture::PictureDib(ClipboardLook& look, std::vector<uint8_t>& dib) {
    if (look.pictureFormat == win::CF_DIB) {
        dib = std::move(look.picture);
        return true;
    }
    // The limit applies to the DIB that is kept, known once the picture's size is.
    uint64_t maxPixels = MAX_PICTURE_PIXELS;
    if (m_state.m_nMaxItemSizeKB != 0)
        maxPixels = std::min<uint64_t>(maxPixels, uint64_t(m_state.m_nMaxItemSizeKB) * 1024 / 3);
    DecodedPicture picture;
    if (!m_ports.pictures.DecodePng(look.picture, maxPixels, picture))
        return false;
    const uint64_t size = PictureDibSize(picture.width, picture.height);
    if (size == 0 || !FitsMaxItemSize(size_t(size), m_state))
        return false;
    dib = DibFromPicture(picture);
    return !dib.empty();
}

void Capture::Keep(std::unique_ptr<CClipItem> item, ClipboardLook& look) {
    const CClipItem* newest = NewestCut();
    const bool repeat = newest && IsSameCut(*newest, *item);
    if (look.again && repeat)
        return; // the follow-up found the cut that was kept meanwhile
    look.keptNew = look.keptNew || !repeat;
    PlaySound(m_state.m_nSound);
    if (m_nCaptureHolds > 0) {
        m_heldCuts.push_back(std::move(item));
        return;
    }
    m_busy.SetBusy(true);
    Admit(std::move(item));
    AfterInsert();
}

const CClipItem* Capture::NewestCut() const {
    if (!m_heldCuts.empty())
        return m_heldCuts.back().get();
    if (m_state.m_activeList.empty())
        return nullptr;
    return (m_state.m_dwOptions & OPT_INSERT_HEAD) ? m_state.m_activeList.front().get()
                                                   : m_state.m_activeList.back().get();
}

void Capture::Admit(std::unique_ptr<CClipItem> item) {
    if (item->IsTextLike()) {
        // Text equal to the plain form of a kept Rich Text item brings that item forward,
        // with this cut's HTML.
        if (auto reused = RemoveDuplicates(m_state.m_activeList, *item, m_state)) {
            reused->SetHtml(item->html);
            item = std::move(reused);
        }
    } else {
        RemoveEqualBitmaps(m_state.m_activeList, item->dib.data(), item->dib.size());
    }
    InsertItem(m_state.m_activeList, std::move(item), m_state);
}

void Capture::AfterInsert() {
    if (m_state.m_dwOptions & OPT_AUTOSAVE) {
        // The file holds what the collection holds: never one item beyond its capacity.
        TrimToCapacity(m_state.m_activeList, m_state);
        m_ports.store.SaveActiveCollection(m_state);
    }
    m_busy.SetBusy(false);
}

void Capture::HoldCuts() {
    ++m_nCaptureHolds;
}

void Capture::ReleaseCutsLater() {
    if (m_state.m_hWnd != NO_WINDOW)
        m_ports.window.PostCommand(0, ID_RELEASE_CUTS);
}

void Capture::ReleaseCuts() {
    if (m_nCaptureHolds == 0 || --m_nCaptureHolds > 0 || m_heldCuts.empty())
        return;
    m_busy.SetBusy(true);
    AdmitHeldCuts();
    AfterInsert();
    m_hotWindow.Refresh();
}

void Capture::AdmitHeldCuts() {
    if (m_heldCuts.empty())
        return;
    for (auto& item : m_heldCuts)
        Admit(std::move(item));
    m_heldCuts.clear();
    TrimToCapacity(m_state.m_activeList, m_state);
}

void Capture::PlaySound(uint8_t choice) {
    if (choice > LAST_SOUND)
        choice = FALLBACK_SOUND;
    m_state.m_nSound = choice;
    if (choice != 0)
        m_ports.sound.MessageBeep(BEEP_OF_SOUND[choice]);
}
