#include "ui/menu_rules.h"

#include <cctype>

#include "platform/win_constants.h"
#include "resource.h"
#include "ui/menu_ids.h"

namespace {
constexpr int kTopRowShift = 100;

intptr_t Execute(int position) {
    return static_cast<intptr_t>((win::MNC_EXECUTE << 16) | static_cast<unsigned>(position));
}

} // namespace

int32_t LetterCommand(unsigned ch) {
    switch (std::toupper(static_cast<int>(ch & 0xFF))) {
    case 'A':
        return ID_PLAYER_PLAY;
    case 'H':
        return ID_PASTE_HTML;
    case 'L':
        return ID_PASTE_LOWER;
    case 'P':
        return ID_PRINT;
    case 'R':
        return ID_RUN;
    case 'S':
        return ID_PLAYER_STOP;
    case 'T':
        return ID_PASTE_TEXT;
    case 'U':
        return ID_PASTE_UPPER;
    case 'X':
        return ID_PASTE_UNIX;
    default:
        return 0;
    }
}
MenuPoint MenuPosition(MenuPoint stored, MenuPoint cursor) {
    if (stored.x >= 0)
        return stored;
    MenuPoint p = cursor;
    if (p.y == 0) {
        p.x = p.x > kTopRowShift ? p.x - kTopRowShift : kTopRowShift;
        p.y = kTopRowShift;
    }
    return p;
}

// The one's complement keeps every position, x = 0 included, recognisably "forgotten".
MenuPoint ForgottenPosition(MenuPoint shown) {
    return {~shown.x, ~shown.y};
}

MenuPoint RememberedPosition(MenuPoint stored) {
    return stored.x < 0 ? MenuPoint{~stored.x, ~stored.y} : stored;
}

ContextPopup ContextPopupFor(int32_t id) {
    if (id == -1)
        return CONTEXT_APP;
    if (id >= 1 && id <= static_cast<int32_t>(MAX_MENU_ITEMS))
        return CONTEXT_ITEM;
    if (id == ID_STATUS_COLLECTION)
        return CONTEXT_COLLECTION;
    if (id >= ID_STATUS_TIME && id <= ID_STATUS_DOCS_RECENT)
        return CONTEXT_EXTENSION;
    if (IsTimeId(id))
        return CONTEXT_TIME;
    if (id > 0 && (id & 0x4000))
        return CONTEXT_DOCUMENT;
    return CONTEXT_NONE;
}

MenuCharAnswer MenuCharAction(unsigned ch, int32_t selEntryId, bool contextTracked, int itemCount) {
    MenuCharAnswer answer;
    if (contextTracked)
        return answer;
    if (ch >= '1' && ch <= '9') {
        const int position = static_cast<int>(ch - '1');
        if (position < itemCount)
            answer.result = Execute(position);
        return answer;
    }
    // Letters act on the highlighted item; its id is its position + 1 in its own menu.
    if (selEntryId < 1 || selEntryId > static_cast<int32_t>(MAX_MENU_ITEMS) ||
        selEntryId > itemCount)
        return answer;
    const int32_t command = LetterCommand(ch);
    if (command) {
        answer.queuedCommand = command;
        answer.result = Execute(selEntryId - 1);
    }
    return answer;
}

bool OpensContextMenu(const MenuInput& input, int32_t selEntryId, bool contextTracked) {
    if (contextTracked || selEntryId == -1)
        return false;
    switch (input.message) {
    case win::WM_RBUTTONUP:
        return input.overEntry;
    case win::WM_KEYDOWN:
    case win::WM_SYSKEYDOWN: // F10 comes as a system key
        return input.key == win::VK_APPS || (input.key == win::VK_F10 && input.shift);
    default:
        return false;
    }
}
