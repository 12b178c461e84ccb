#include "app/menu_commands.h"

#include "app/collection_commands.h"
#include "app/collection_store.h"
#include "app/install_port.h"
#include "app/preference_menu.h"
#include "app/service_wnd.h"
#include "platform/menu_host.h"
#include "platform/prompts.h"
#include "platform/service_window.h"
#include "platform/ui_strings.h"
#include "resource.h"
#include "store/collections.h"

namespace {

// A modal dialog: the service is busy and its menus are closed while it is open.
class DialogScope {
public:
    DialogScope(IMenuHost& menus, CServiceWnd& s) : m_s(s) {
        m_s.m_dwState |= ST_BUSY;
        menus.CancelMenus();
        m_s.SetBusy(true);
    }
    ~DialogScope() {
        if (m_s.GetSafeHwnd() != NO_WINDOW) // else the indicators are gone with the window
            m_s.SetBusy(false);
        m_s.m_dwState &= ~ST_BUSY;
    }
    DialogScope(const DialogScope&) = delete;
    DialogScope& operator=(const DialogScope&) = delete;

private:
    CServiceWnd& m_s;
};

void Save(const MenuCommandPorts& p, CServiceWnd& s) {
    p.store.SaveActiveCollection(s);
}

void Finish(CServiceWnd& s, CommandEnd end) {
    // A dialog confirmed while the program closed: the lists are gone, nothing is written.
    if (s.GetSafeHwnd() == NO_WINDOW)
        return;
    if (end == CommandEnd::SaveAndReload)
        s.SaveAndReload();
    else if (end == CommandEnd::RebuildMenus)
        s.m_hotWnd.Refresh();
}

template <typename Command>
void RunCollectionCommand(const MenuCommandPorts& p, CServiceWnd& s, Command command) {
    CommandEnd end;
    {
        DialogScope scope(p.menus, s);
        CollectionCommands commands(s, s.m_activeList, s.m_collectionList, p.prompts);
        end = command(commands);
    }
    Finish(s, end);
}

// The extension submenu whose popup entry has this status id, as its option bit.
uint32_t ExtensionBitOf(int32_t statusId) {
    switch (statusId) {
    case ID_STATUS_TIME:
        return OPT_EXT_TIME;
    case ID_STATUS_URLS:
        return OPT_EXT_URLS;
    case ID_STATUS_DOCS_OPENSAVE:
        return OPT_EXT_DOCS_OPENSAVE;
    case ID_STATUS_DOCS_RECENT:
        return OPT_EXT_DOCS_RECENT;
    default:
        return 0;
    }
}

void Delete(const MenuCommandPorts& p, CServiceWnd& s, int32_t entryId) {
    if (entryId == ID_STATUS_COLLECTION) {
        const std::string name = s.m_strSelPath;
        RunCollectionCommand(p, s, [&](CollectionCommands& c) { return c.DeleteCollection(name); });
        return;
    }
    if (CClipItem* item = s.m_pSelItem) {
        s.m_pSelItem = nullptr;
        CollectionCommands(s, s.m_activeList, s.m_collectionList, p.prompts).DeleteItem(item);
    }
    s.m_dwOptions &= ~ExtensionBitOf(entryId); // "Remove" hides an extension submenu
    s.SaveAndReload();
}

void Rename(const MenuCommandPorts& p, CServiceWnd& s, int32_t entryId) {
    if (entryId == ID_STATUS_COLLECTION) {
        const std::string name = s.m_strSelPath;
        RunCollectionCommand(p, s, [&](CollectionCommands& c) { return c.RenameCollection(name); });
    } else if (CClipItem* item = s.m_pSelItem) {
        RunCollectionCommand(p, s, [&](CollectionCommands& c) { return c.RenameItem(*item); });
    } else {
        s.SaveAndReload();
    }
}

// The number dialog; true with the number typed on Ok.
bool AskNumber(const MenuCommandPorts& p, CServiceWnd& s, unsigned promptId, int32_t& value) {
    InputResult result;
    {
        DialogScope scope(p.menus, s);
        result = p.prompts.InputNumber(LoadUiString(promptId), value);
    }
    return result == InputResult::Ok && s.GetSafeHwnd() != NO_WINDOW;
}

int32_t Clamp(int32_t value, int32_t low, int32_t high) {
    return value < low ? low : value > high ? high : value;
}

// "Max items", "Min text size", "Max item size" and the counters.
void InputLimit(const MenuCommandPorts& p, CServiceWnd& s, unsigned id) {
    int32_t value = 0;
    switch (id) {
    case ID_MAX_ITEMS:
        value = s.m_nMaxItems;
        if (!AskNumber(p, s, IDS_MAX_ITEMS_PROMPT, value))
            return;
        s.m_nMaxItems = static_cast<uint8_t>(Clamp(value, 2, 120));
        TrimToCapacity(s.m_activeList, s);
        s.m_hotWnd.Refresh();
        break;
    case ID_MIN_TEXT_SIZE:
        value = s.m_nMinTextSize;
        if (!AskNumber(p, s, IDS_MIN_SIZE_PROMPT, value))
            return;
        s.m_nMinTextSize = static_cast<uint8_t>(Clamp(value, 1, 120));
        break;
    case ID_MAX_ITEM_SIZE:
        value = s.m_nMaxItemSizeKB;
        if (!AskNumber(p, s, IDS_MAX_SIZE_PROMPT, value))
            return;
        s.m_nMaxItemSizeKB = static_cast<uint16_t>(value);
        break;
    default: { // the counters keep the low 16 bits of what was typed
        const size_t index = id - ID_COUNTER_1;
        value = s.m_nCounter[index];
        if (!AskNumber(p, s, IDS_COUNTER_PROMPT + static_cast<unsigned>(index), value))
            return;
        s.m_nCounter[index] = static_cast<uint16_t>(value);
        break;
    }
    }
    Save(p, s);
    s.ReopenMainMenu();
}

void ReregisterHotKeys(CServiceWnd& s) {
    s.UnregisterHotKeys();
    s.RegisterHotKeys();
}

void InputUserHotKey(const MenuCommandPorts& p, CServiceWnd& s) {
    uint16_t hotKey = static_cast<uint16_t>(s.m_nUserHotKeyMods << 8 | s.m_nUserHotKeyVk);
    InputResult result;
    {
        DialogScope scope(p.menus, s);
        result = p.prompts.InputHotKey(LoadUiString(IDS_HOT_KEY_PROMPT), hotKey);
    }
    if (result != InputResult::Ok || s.GetSafeHwnd() == NO_WINDOW)
        return;
    s.m_nUserHotKeyVk = static_cast<uint8_t>(hotKey & 0xFF);
    s.m_nUserHotKeyMods = static_cast<uint8_t>(hotKey >> 8);
    ReregisterHotKeys(s);
    Save(p, s);
    s.ReopenMainMenu();
}

void ChooseFont(const MenuCommandPorts& p, CServiceWnd& s) {
    FontHandle font = NO_FONT;
    {
        DialogScope scope(p.menus, s);
        font = p.window.ChooseMenuFont();
    }
    if (font != NO_FONT && s.GetSafeHwnd() != NO_WINDOW)
        s.m_font = font;
}

bool RunPreferenceCommand(const MenuCommandPorts& p, CServiceWnd& s, unsigned id) {
    if (id >= ID_SUPER_HOT_KEY_FIRST && id <= ID_SUPER_HOT_KEY_LAST) {
        s.m_nSuperHotKey = static_cast<uint8_t>(id - ID_SUPER_HOT_KEY_FIRST);
        ReregisterHotKeys(s);
    } else if (id >= ID_SOUND_FIRST && id <= ID_SOUND_LAST) {
        s.PlaySound(static_cast<uint8_t>(id - ID_SOUND_FIRST)); // a preview of the choice
    } else if (id >= ID_LANGUAGE_FIRST && id <= ID_LANGUAGE_LAST) {
        LoadLanguage(static_cast<int>(id - ID_LANGUAGE_FIRST), p.languages, s.m_nLanguage,
                     s.m_hLangDll);
    } else if (id == ID_EXT_APPLY) {
        s.m_hotWnd.Refresh();
    } else if (id >= ID_MAX_ITEMS && id <= ID_COUNTER_3) {
        InputLimit(p, s, id);
        return true;
    } else if (id == ID_HK_USER) {
        InputUserHotKey(p, s);
        return true;
    } else if (id == ID_FONT) {
        ChooseFont(p, s);
        return true;
    } else {
        // An in-place entry chosen with the keyboard: the menu has closed, the flip stays.
        const PreferenceToggle toggle = TogglePreference(id, s);
        if (!toggle.handled)
            return false;
        s.ApplyToggleEffects(toggle.effects);
    }
    Save(p, s);
    return true;
}

} // namespace

bool RunMenuCommand(const MenuCommandPorts& p, CServiceWnd& s, uintptr_t wParam, intptr_t lParam) {
    if (lParam < 0 || lParam > 0xFFFF)
        return false;
    const unsigned command = static_cast<unsigned>(lParam);
    const int32_t entryId = static_cast<int32_t>(static_cast<uint32_t>(wParam));
    switch (command) {
    case ID_COLLECTION_NEW:
        RunCollectionCommand(p, s, [](CollectionCommands& c) { return c.NewCollection(); });
        return true;
    case ID_RENAME:
        Rename(p, s, entryId);
        return true;
    case ID_DELETE:
        Delete(p, s, entryId);
        return true;
    case ID_REMOVE_ALL:
        if (CClipItem* item = s.m_pSelItem)
            RunCollectionCommand(p, s, [&](CollectionCommands& c) { return c.RemoveAll(*item); });
        return true;
    case ID_ABOUT:
        s.ShowAbout();
        return true;
    case ID_PASTE_ALL:
        // Paste all sends itself ID_PASTE_ALL without an entry for each item it pastes.
        if (wParam == 0)
            return false;
        s.PasteAll(s.m_pSelItem);
        return true;
    default:
        return RunPreferenceCommand(p, s, command);
    }
}
