#pragma once
// Pasting: the item goes onto the clipboard in the formats its kind calls for, then the
// target application is made to paste it with a synthesised keystroke, or, for a file list,
// is handed the list as the end of a drag-and-drop; and the pastes made of several steps.
#include <cstdint>
#include <string>
#include <vector>

#include "app/hot_keys.h"
#include "app/service_state.h"

class IClipboard;
class IClock;
class IKeyInput;
class IInputState;
class ITargetWindow;
class ITargetMessages;
class IServiceWindow;
class PasteTarget;

struct PastePorts {
    IClipboard& clipboard;
    IClock& clock;
    IKeyInput& keys;
    IInputState& input;              // where a dropped file list lands
    ITargetWindow& targets;          // the top-level window a file list is dropped on
    ITargetMessages& targetMessages; // the drop, and the focus between the steps
    IServiceWindow& window;          // the entries the steps choose in turn
};

class Paste : public ISuperHotKeyPaste {
public:
    Paste(const PastePorts& ports, ServiceState& state, PasteTarget& target, IBusyIndicator& busy)
        : m_ports(ports), m_state(state), m_target(target), m_busy(busy) {}

    // Releases Ctrl, Shift and Alt, counts the paste, and makes the target paste with
    // Ctrl+V or Shift+Insert.
    void EmulatePaste();
    // Puts a text on the clipboard in the formats its type and variant call for, and pastes
    // it; a file list goes by the clipboard or as a drop. `variant` is PASTE_NONE, a "Paste
    // As" variant, or a counter index 0..2 (the text is then a counter pattern). True when a
    // counter advanced. `wide` is the item's exact text where the code page lost characters:
    // it goes under CF_UNICODETEXT (and makes a wide file list) beside the 8-bit text.
    bool PasteText(const std::string& text, const std::string& html, uint16_t type, int32_t variant,
                   const std::u16string& wide = {});
    void PasteBitmap(const std::vector<uint8_t>& dib, const std::string& html);
    // Pastes every item of the item's collection (or of the active one) in turn.
    void PasteAll(CClipItem* item);
    // Super hot key `id` (4..6) pastes the item at position id - 4.
    void PasteSuperHotKey(int id) override;
    // "[date]" and the markers "[n]" of the active collection's items filled in.
    std::string ExpandTemplate(const std::string& text) const;
    // After a chain item was pasted: Tabs for its trailing '+', then the next item of its
    // collection is posted for pasting.
    void ContinueChain(const CClipItem& item);

private:
    bool OpenClipboardBusy();
    void CloseClipboardBusy();
    void EmptyClipboardAfterPaste();
    void PasteFileList(const std::string& list, bool wide, const std::u16string& wideList);

    PastePorts m_ports;
    ServiceState& m_state;
    PasteTarget& m_target;
    IBusyIndicator& m_busy;
};
