// Pastes made of several steps: every item of a collection in turn, the super hot keys,
// template items that gather other items, and chains of items with Tabs between them.
#include "app/paste.h"
#include "app/paste_target.h"
#include "platform/clock.h"
#include "platform/system.h"
#include "platform/service_window.h"
#include "platform/target_messages.h"
#include "platform/win_constants.h"
#include "resource.h"
#include "store/rtf_text.h"
#include "ui/time_entries.h"

namespace {
constexpr uint32_t STEP_WAIT_MS = 200;

// The number of an item marker "[n]" at `pos` (n from 1), or 0; `length` gets its length.
size_t ItemMarker(const std::string& text, size_t pos, size_t& length) {
    size_t end = pos + 1;
    size_t n = 0;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9' && end - pos <= 4)
        n = n * 10 + static_cast<size_t>(text[end++] - '0');
    if (end == pos + 1 || end >= text.size() || text[end] != ']' || text[pos + 1] == '0')
        return 0;
    length = end + 1 - pos;
    return n;
}
} // namespace

void Paste::PasteAll(CClipItem* item) {
    if (!item)
        return;
    ClipList& list = item->owner ? item->owner->children : m_state.m_activeList;
    ITargetMessages& windows = m_ports.targetMessages;
    // By index: the list does not change while its items are pasted (a paste-all does not
    // reorder), but an index can never run past its end if it did.
    for (size_t i = 0; i < list.size(); ++i) {
        CClipItem* next = list[i].get();
        m_state.m_pSelItem = next;
        windows.SendSetFocus(m_state.m_hWndTarget);
        m_ports.window.SendCommand(0, ID_PASTE_ALL);
        windows.SendSetFocus(m_state.m_hWndTarget);
        m_ports.clock.Sleep(STEP_WAIT_MS);
        if (i < list.size() && list[i].get() == next && next->type == CLIP_BITMAP) {
            // A picture stays selected after it is pasted; step past it.
            m_ports.keys.KeyDown(win::VK_RIGHT);
            m_ports.keys.KeyUp(win::VK_RIGHT);
            m_ports.clock.Sleep(STEP_WAIT_MS);
        }
    }
    m_state.m_pSelItem = nullptr;
}

void Paste::PasteSuperHotKey(int id) {
    const size_t position = static_cast<size_t>(id - HOTKEY_SUPER_FIRST);
    if (id < HOTKEY_SUPER_FIRST || id > HOTKEY_SUPER_LAST ||
        position >= m_state.m_activeList.size())
        return;
    m_state.m_pSelItem = m_state.m_activeList[position].get();
    IKeyInput& keys = m_ports.keys;
    keys.KeyUp(win::VK_SHIFT);
    keys.KeyUp(win::VK_CONTROL);
    keys.KeyUp(win::VK_MENU);
    m_ports.window.SendCommand(static_cast<uintptr_t>(id - 3), 0);
    // The user still holds the hot key's modifier; let the system see it held again.
    keys.KeyDown((m_state.m_nSuperHotKey & 1) ? win::VK_MENU : win::VK_CONTROL);
}

std::string Paste::ExpandTemplate(const std::string& text) const {
    // One pass over the template: text taken from an item is not searched for markers again,
    // so items that name each other cannot make the result grow without end.
    const std::string date = FormatLocalTime("%B %d, %Y", m_ports.clock.LocalNow());
    std::string out;
    for (size_t i = 0; i < text.size();) {
        if (text.compare(i, 6, "[date]") == 0) {
            out += date;
            i += 6;
            continue;
        }
        size_t length = 0;
        const size_t n = text[i] == '[' ? ItemMarker(text, i, length) : 0;
        if (n == 0 || n > m_state.m_activeList.size()) {
            out += text[i++];
            continue;
        }
        const CClipItem& item = *m_state.m_activeList[n - 1];
        if (item.type == CLIP_RTF)
            out += RtfPlainText(item.text);
        else if (item.IsTextLike())
            out += item.text;
        else
            out.append(text, i, length); // a picture has a number but no text to put there
        i += length;
    }
    return out;
}

void Paste::ContinueChain(const CClipItem& item) {
    const std::string& caption = item.caption;
    m_ports.targetMessages.SendSetFocus(m_state.m_hWndTarget);
    // One Tab for each '+' at the end, the first character (the leading '+') not counted.
    for (size_t i = caption.size(); i > 1 && caption[i - 1] == '+'; --i) {
        m_ports.keys.KeyDown(win::VK_TAB);
        m_ports.keys.KeyUp(win::VK_TAB);
        m_ports.clock.Sleep(STEP_WAIT_MS);
    }
    m_target.RememberTarget();
    if (!item.owner)
        return;
    const ClipList& list = item.owner->children;
    for (size_t i = 0; i + 1 < list.size(); ++i) {
        if (list[i].get() == &item) {
            m_state.m_pSelItem = list[i + 1].get();
            m_ports.window.PostCommand(i + 2, 0); // the next entry's id: its position + 1
            return;
        }
    }
}
