#pragma once
// The selection dispatcher's action part: what a chosen main-menu entry does once the
// service's own commands (open the main menu, save and reload, open the context menu)
// have been taken out by CServiceWnd::OnCommand.
#include <cstdint>

class CServiceWnd;
class IInputState;
class IKeyInput;

// Acts on the entry `wParam` (an entry id; 0 for the highlighted item) with the command
// `lParam`: 0 for a plain paste (then a command queued by a letter key, else the variant of
// the keys held), a "Paste As" variant, HTML, Print, Run, Play, schedule Edit, Paste all,
// or the player's Skip and Stop and "Save and refresh". The item is m_pSelItem; documents,
// addresses and time entries use m_strSelPath or their own text.
void DispatchEntry(CServiceWnd& service, uintptr_t wParam, intptr_t lParam);

// The paste variant that the keys held now choose: Ctrl Text, Ctrl+Shift HTML, Caps Lock
// Upper, Caps Lock+Shift Lower, Shift Upper, none 0. Also what a drag out of the menu
// offers.
int32_t PasteVariantOfKeys(const IInputState& input, const IKeyInput& keys);
