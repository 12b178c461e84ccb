#pragma once
// Capture: every cut another program puts on the clipboard becomes an item of the active
// collection, within the formats and limits the user chose; the viewer chain is joined,
// mended and left; cuts made while a menu is open wait until its choice was dispatched.
#include <cstdint>
#include <memory>
#include <vector>

#include "app/hot_window_keeper.h"
#include "app/service_state.h"

class IClipboard;
class IClock;
class ITimers;
class IViewerChain;
class ISound;
class IPictureDecoder;
class ICollectionStore;
class IServiceWindow;
struct ClipboardLook;

struct CapturePorts {
    IClipboard& clipboard;
    IClock& clock;
    ITimers& timers; // the follow-up of a cut that could not be read at once
    IViewerChain& viewers;
    ISound& sound;
    IPictureDecoder& pictures; // pictures offered only in compressed form
    ICollectionStore& store;   // autosave
    IServiceWindow& window;    // the release of held cuts, posted
};

// Opens the clipboard for `owner`, trying a few times while another program holds it;
// false when it stays held.
bool OpenClipboardSoon(IClipboard& clipboard, IClock& clock, WindowHandle owner);

class Capture final : public ICutHold {
public:
    // `hotWindow` shows the kept cuts in the hot-menu.
    Capture(const CapturePorts& ports, ServiceState& state, IBusyIndicator& busy,
            HotWindowKeeper& hotWindow);
    ~Capture();
    Capture(const Capture&) = delete;
    Capture& operator=(const Capture&) = delete;

    // Start-up: captures what is on the clipboard, then joins the viewer chain.
    void JoinViewerChain();
    // Shutdown: leaves the chain unless it was never joined.
    void LeaveViewerChain();
    // WM_CHANGECBCHAIN: `removed` leaves the chain; `next` is the window after it.
    void OnChangeCbChain(WindowHandle removed, WindowHandle next);
    // WM_DRAWCLIPBOARD: keeps what another program cut, then passes the message on. A cut
    // that cannot be read now (busy, too soon after the last, the clipboard held) is looked
    // for again by TIMER_LOOK_AGAIN.
    void OnDrawClipboard(uintptr_t wParam, intptr_t lParam);
    // TIMER_LOOK_AGAIN: takes what is on the clipboard if it was not looked at whole yet.
    void LookAgainAtClipboard();
    // Stores the sound choice (above 6 becomes 2) and plays it.
    void PlaySound(uint8_t choice);

    // While a menu is open, and until its chosen entry has been dispatched, its entries and
    // m_pSelItem point at items: cuts are read at once but held back from the active
    // collection. A menu holds cuts when it opens; once closed it posts ID_RELEASE_CUTS
    // after its chosen entry, and the last release lets the held cuts in, in order.
    void HoldCuts() override;
    void ReleaseCutsLater() override;
    void ReleaseCuts();
    void AdmitHeldCuts() override;
    // A menu is open or its chosen entry is still to be dispatched: items are pointed at.
    bool IsHolding() const { return m_nCaptureHolds > 0; }

private:
    void ForwardToNextViewer(unsigned message, uintptr_t wParam, intptr_t lParam);
    void LookAtClipboard(bool again);
    void LookAgainLater();
    // The repeat gate: the format is on the clipboard and its category (files, text,
    // bitmap) was not checked within the last 500 ms. Renews the category's stamp.
    bool IsFormatFresh(unsigned format, ClipboardLook& look);
    // Opens the clipboard, reads the cut's blocks and closes it; false when another program
    // holds it.
    bool ReadClipboard(ClipboardLook& look);
    bool IsExcludedFromCapture();
    void ReadFormats(ClipboardLook& look);
    void ReadFiles(ClipboardLook& look);
    void ReadRichText(ClipboardLook& look);
    void ReadText(ClipboardLook& look);
    void ReadPicture(ClipboardLook& look);
    // The items of the blocks read, kept in the order files, text, picture.
    void KeepCut(ClipboardLook& look);
    bool PictureDib(ClipboardLook& look, std::vector<uint8_t>& dib);
    // A cut read from the clipboard: plays the sound, then enters the active collection or
    // waits among the held cuts.
    void Keep(std::unique_ptr<CClipItem> item, ClipboardLook& look);
    // The item a new cut would be put beside: the last held cut, else the item at the
    // insert position.
    const CClipItem* NewestCut() const;
    // Puts a cut at the insert position, in place of its duplicates.
    void Admit(std::unique_ptr<CClipItem> item);
    void AfterInsert();

    CapturePorts m_ports;
    ServiceState& m_state;
    IBusyIndicator& m_busy;
    HotWindowKeeper& m_hotWindow;
    // Formats by which other programs mark a cut that clipboard tools should not keep.
    unsigned m_cfNoMonitor = 0;
    unsigned m_cfViewerIgnore = 0;
    unsigned m_cfHistory = 0;
    unsigned m_cfPasswordHint = 0;
    // Pictures some programs (and X programs through Wine) offer only as a PNG file.
    unsigned m_cfPng = 0;
    // The follow-ups of the last notification so far.
    int m_nLooksAgain = 0;
    // Menus open or with their chosen entry still to be dispatched, and the cuts they hold.
    int m_nCaptureHolds = 0;
    ClipList m_heldCuts;
};
