#pragma once
// The selection dispatcher's action part: what a chosen main-menu entry does once the
// service's own commands (open the main menu, save and reload, open the context menu)
// have been taken out by CServiceWnd::OnCommand.
#include <cstdint>
#include <string>

#include "app/service_state.h"

class IInputState;
class IKeyInput;
class IClock;
class IRegistryLists;
class IDocumentShell;
class ICollectionStore;
class Paste;
class HotWindowKeeper;

struct DispatchPorts {
    IInputState& input;          // the keys held choose the variant
    IKeyInput& keys;             // Caps Lock
    IClock& clock;               // the time entries' text
    IRegistryLists& systemLists; // what opens a document
    IDocumentShell& documents;   // documents, addresses and Run
    ICollectionStore& store;     // a counter that advanced is saved
};

// What the dispatcher asks of the units that print, play and save.
class IEntryActions {
public:
    virtual ~IEntryActions() = default;
    // "Print" (see PrintItem). True when the shell took the item.
    virtual bool PrintEntry(unsigned entryId, const CClipItem& item, const std::string& text) = 0;
    virtual void PlayEntry(CClipItem& item) = 0;
    virtual void EditEntrySchedule(CClipItem& item) = 0;
    virtual void SkipPlayingClip() = 0;
    virtual void StopPlayer() = 0;
    // "Save and refresh": writes every collection and reads them back.
    virtual void SaveAndReload() = 0;
};

class Dispatcher {
public:
    Dispatcher(const DispatchPorts& ports, ServiceState& state, Paste& paste,
               HotWindowKeeper& hotWnd, IEntryActions& actions)
        : m_ports(ports), m_state(state), m_paste(paste), m_hotWnd(hotWnd), m_actions(actions) {}

    // Acts on the entry `wParam` (an entry id; 0 for the highlighted item) with the command
    // `lParam`: 0 for a plain paste (then a command queued by a letter key, else the variant
    // of the keys held), a "Paste As" variant, HTML, Print, Run, Play, schedule Edit, Paste
    // all, or the player's Skip and Stop and "Save and refresh". The item is m_pSelItem;
    // documents, addresses and time entries use m_strSelPath or their own text.
    void DispatchEntry(uintptr_t wParam, intptr_t lParam);

private:
    struct Content;
    bool PasteTextItem(const CClipItem& item, const Content& c, int32_t command);
    bool ActOnItem(unsigned id, CClipItem& item, const Content& c, int32_t command, bool& counted);
    void DispatchItem(unsigned id, CClipItem& item, int32_t command, bool pasteAll);
    bool DispatchExtension(unsigned id, int32_t command);

    DispatchPorts m_ports;
    ServiceState& m_state;
    Paste& m_paste;
    HotWindowKeeper& m_hotWnd;
    IEntryActions& m_actions;
};

// The paste variant that the keys held now choose: Ctrl Text, Ctrl+Shift HTML, Caps Lock
// Upper, Caps Lock+Shift Lower, Shift Upper, none 0. Also what a drag out of the menu
// offers.
int32_t PasteVariantOfKeys(const IInputState& input, const IKeyInput& keys);
