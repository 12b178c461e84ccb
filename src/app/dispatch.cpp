#include "app/dispatch.h"

#include "app/collection_store.h"
#include "app/hot_window_keeper.h"
#include "app/paste.h"
#include "app/paste_text.h"
#include "platform/clock.h"
#include "platform/system.h"
#include "platform/ui_strings.h"
#include "platform/win_constants.h"
#include "player/schedule.h"
#include "resource.h"
#include "store/collections.h"
#include "store/stored_content.h"
#include "ui/menu_ids.h"
#include "ui/openers.h"
#include "ui/time_entries.h"

namespace {

constexpr unsigned STATUS_ID_BIT = 0x8000; // popups' status ids carry no item

// Captions of external items that begin with '+': "+1".."+3" count, others are templates,
// and those that also end with '+' chain to the next item.
bool IsSpecialCaption(const CClipItem& item) {
    return item.owner && !item.caption.empty() && item.caption[0] == '+';
}
int CounterIndexOf(const CClipItem& item) {
    if (!IsSpecialCaption(item) || item.caption.size() < 2)
        return -1;
    const char c = item.caption[1];
    return c >= '1' && c <= '3' ? c - '1' : -1;
}
bool IsChainItem(const CClipItem& item) {
    return IsSpecialCaption(item) && item.caption.back() == '+';
}

// The commands the dispatcher acts on. Any other (one whose unit is not in, a Preferences
// entry) is dropped: it must never turn into a paste of the entry.
bool IsDispatchedCommand(int32_t command) {
    if (command == 0 || IsPasteVariant(command))
        return true;
    switch (command) {
    case ID_PASTE_HTML:
    case ID_PRINT:
    case ID_RUN:
    case ID_PLAYER_PLAY:
    case ID_PLAYER_STOP:
    case ID_PLAYER_SKIP:
    case ID_SCHEDULE_EDIT:
    case ID_PASTE_ALL:
    case ID_SAVE_REFRESH:
        return true;
    default:
        return false;
    }
}

} // namespace

int32_t PasteVariantOfKeys(const IInputState& input, const IKeyInput& keys) {
    const bool shift = input.IsKeyDown(win::VK_SHIFT);
    if (input.IsKeyDown(win::VK_CONTROL))
        return shift ? PASTE_HTML : PASTE_TEXT;
    if (keys.IsToggled(win::VK_CAPITAL))
        return shift ? PASTE_LOWER : PASTE_UPPER;
    return shift ? PASTE_UPPER : 0;
}

// The item's content, from memory or from its collection's file.
struct Dispatcher::Content {
    const std::string* text;
    const std::u16string* wide;
    const std::vector<uint8_t>* dib;
    const std::string* html;
};

// A text-like item pasted with the command as its variant; external items with special
// captions count or fill in their template. True when a counter advanced.
bool Dispatcher::PasteTextItem(const CClipItem& item, const Content& c, int32_t command) {
    const int counter = CounterIndexOf(item);
    int32_t variant = VariantOrNone(command);
    if (counter >= 0 && variant == PASTE_NONE)
        return m_paste.PasteText(*c.text, *c.html, item.type, counter);
    if (IsSpecialCaption(item) && counter < 0)
        return m_paste.PasteText(m_paste.ExpandTemplate(*c.text), *c.html, item.type, variant);
    return m_paste.PasteText(*c.text, *c.html, item.type, variant, *c.wide);
}

// What an item entry does with the command. False when nothing more is to be done for the
// entry (no reordering, no chain).
bool Dispatcher::ActOnItem(unsigned id, CClipItem& item, const Content& c, int32_t command,
                           bool& counted) {
    switch (command) {
    case ID_RUN:
        if (c.text->empty())
            return false; // a picture: nothing to run, and it stays where it is
        OpenDocumentLines(*c.text, m_ports.systemLists, m_ports.documents);
        return true;
    case ID_PLAYER_PLAY:
        m_actions.PlayEntry(item);
        return false;
    case ID_SCHEDULE_EDIT: // of a picture too: never a paste
        m_actions.EditEntrySchedule(item);
        return false;
    case ID_PASTE_HTML:
        if (c.html->empty())
            return false; // nothing to paste: the item stays where it is
        m_paste.PasteText(*c.html, std::string(), CLIP_TEXT, PASTE_NONE);
        return true;
    default:
        break;
    }
    if (!item.IsTextLike()) {
        if (command == ID_PRINT) // a printed picture moves up like a pasted one
            return m_actions.PrintEntry(id, item, std::string());
        m_paste.PasteBitmap(*c.dib, *c.html);
        return true;
    }
    if (command == ID_PRINT) {
        m_actions.PrintEntry(id, item, *c.text);
        return false;
    }
    if (command == 0 && ScheduleMarksOf(item.caption).scheduled) {
        m_actions.PlayEntry(item);
        return false;
    }
    counted = PasteTextItem(item, c, command);
    return true;
}

void Dispatcher::DispatchItem(unsigned id, CClipItem& item, int32_t command, bool pasteAll) {
    StoredContent stored;
    Content content{&item.text, &item.wideText, &item.dib, &item.html};
    if (item.fileOffset != 0) {
        switch (ReadStoredContent(item, stored)) {
        case StoredRead::Unreadable:
            return;
        case StoredRead::PastEnd:
            m_paste.PasteText(LoadUiString(IDS_QBX_FILE_ERROR), std::string(), CLIP_TEXT,
                              PASTE_NONE);
            return;
        case StoredRead::Ok:
            content = Content{&stored.text, &stored.wide, &stored.dib, &stored.html};
            break;
        }
    }
    bool counted = false;
    const bool pasted = ActOnItem(id, item, content, command, counted);
    if (counted)
        m_ports.store.SaveActiveCollection(m_state);
    if (!pasted || pasteAll)
        return;
    if (!item.owner) {
        // The most recently retrieved item comes first (or last, with tail insertion).
        PromoteItem(m_state.m_activeList, &item, m_state);
        m_hotWnd.Refresh(); // the hot-menu's bar shows the new order
    } else if (IsChainItem(item) && command != ID_PRINT && command != ID_RUN) {
        m_paste.ContinueChain(item);
    }
}

// Documents, typed addresses and the current time: opened, or pasted as text.
bool Dispatcher::DispatchExtension(unsigned id, int32_t command) {
    const bool open = command == 0 || command == ID_RUN;
    if (IsDocumentId(id) || IsUrlId(id)) {
        if (!open)
            m_paste.PasteText(m_state.m_strSelPath, std::string(), CLIP_TEXT,
                              VariantOrNone(command));
        else if (IsDocumentId(id))
            OpenDocumentLines(m_state.m_strSelPath, m_ports.systemLists, m_ports.documents);
        else
            OpenTypedUrl(m_state.m_strSelPath, m_ports.documents);
        return true;
    }
    if (IsTimeId(id)) {
        const int format = static_cast<int>(id - ID_TIME_FIRST);
        m_paste.PasteText(FormatTimeEntry(format, m_ports.clock.LocalNow()), std::string(),
                          CLIP_TEXT, VariantOrNone(command));
        return true;
    }
    return false;
}

void Dispatcher::DispatchEntry(uintptr_t wParam, intptr_t lParam) {
    const bool pasteAll = lParam == ID_PASTE_ALL;
    int32_t command = static_cast<int32_t>(lParam);
    if (command == 0) {
        command = m_state.m_nQueuedCmd;
        m_state.m_nQueuedCmd = 0;
    }
    if (command == 0)
        command = PasteVariantOfKeys(m_ports.input, m_ports.keys);
    if (!IsDispatchedCommand(command))
        return;

    switch (command) {
    case ID_PLAYER_SKIP:
        m_actions.SkipPlayingClip();
        return;
    case ID_PLAYER_STOP:
        m_actions.StopPlayer();
        return;
    case ID_SAVE_REFRESH:
        m_actions.SaveAndReload();
        return;
    default:
        break;
    }
    if ((wParam >> 16) != 0)
        return;
    const unsigned id = static_cast<unsigned>(wParam & 0xFFFF);
    if (DispatchExtension(id, command))
        return;
    if ((id & STATUS_ID_BIT) || !m_state.m_pSelItem)
        return;
    DispatchItem(id, *m_state.m_pSelItem, command, pasteAll);
}
