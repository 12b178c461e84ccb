#include "menu_draw.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

#include "app/service_wnd.h"
#include "port/clock_win32.h"
#include "platform/clock.h"
#include "handles.h"
#include "menu_entries.h"
#include "port/com_scope.h"
#include "ui/entry_look.h"
#include "ui/menu_ids.h"
#include "ui/menu_model.h"

namespace {
const wchar_t* WideChars(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

class DcTextWidth : public ITextWidth {
public:
    explicit DcTextWidth(HDC dc) : m_dc(dc) {}
    int Width(const std::string& text) const override {
        SIZE size = {};
        if (!GetTextExtentPoint32A(m_dc, text.c_str(), static_cast<int>(text.size()), &size))
            return 0;
        return size.cx;
    }

private:
    HDC m_dc;
};

HICON IconOf(const EntryLook& look, UniqueIcon& owned) {
    if (look.shell != ShellIcon::None) {
        owned.Reset(ShellIconFor(look.shellName, look.shell == ShellIcon::Address));
        return owned.Get();
    }
    return look.icon ? LoadMenuIcon(look.icon) : nullptr;
}

void Report(const MenuEntry& entry, const DRAWITEMSTRUCT& dis, CServiceWnd& service,
            int32_t& status, CClipItem*& item) {
    const bool dragging = service.m_pDragItem != nullptr;
    if (!(dis.itemAction & ODA_SELECT) && !dragging)
        return;
    if (!(dis.itemState & ODS_SELECTED)) {
        if (!dragging)
            status = -1;
        return;
    }
    EntryReport report = ReportOf(entry);
    status = report.status;
    item = report.item;
    if (report.setsPath)
        service.m_strSelPath = std::move(report.path);
}
} // namespace

HICON LoadMenuIcon(unsigned id) {
    return static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, 0, 0, LR_SHARED));
}

HICON ShellIconFor(const std::string& name, bool address) {
    const std::string file = address ? "default.htm" : name;
    ComScope com;
    SHFILEINFOA info = {};
    const auto list = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA(file.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                       SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES));
    if (!list)
        return nullptr;
    return ImageList_GetIcon(list, info.iIcon, ILD_NORMAL);
}

int ProbeMenuEntry(HMENU menu, UINT id, HMENU tracked, bool& checked) {
    checked = false;
    if (tracked && id >= ID_COMMAND_FIRST)
        menu = tracked;
    if (!menu)
        return -1;
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_SUBMENU;
    if (!GetMenuItemInfoA(menu, id, FALSE, &info))
        return -1;
    checked = (info.fState & MFS_CHECKED) != 0;
    // The system numbers a popup's entry by its submenu's handle.
    if (!info.hSubMenu || reinterpret_cast<UINT_PTR>(info.hSubMenu) != id)
        return -1;
    const int count = GetMenuItemCount(info.hSubMenu);
    if (count == 0)
        return ID_EMPTY_SUBMENU;
    if (count < 0)
        return -1;
    const UINT first = GetMenuItemID(info.hSubMenu, 0);
    return first == static_cast<UINT>(-1) ? -1 : static_cast<int>(first);
}

void MeasureMenuEntry(HDC dc, MEASUREITEMSTRUCT& mis, HFONT font, const LocalTime& now, bool hotBar,
                      int32_t& rowHeight) {
    MenuEntry scratch;
    const MenuEntry* entry = EntryOfItemData(mis.itemData, scratch);
    if (!entry)
        return;
    const EntryMeasure measure = MeasureOf(*entry, now);
    SelectedObject selected(dc, font ? static_cast<HGDIOBJ>(font) : GetCurrentObject(dc, OBJ_FONT));
    SIZE text = {};
    if (!measure.wideText.empty())
        GetTextExtentPoint32W(dc, WideChars(measure.wideText),
                              static_cast<int>(measure.wideText.size()), &text);
    else
        GetTextExtentPoint32A(dc, measure.text.c_str(), static_cast<int>(measure.text.size()),
                              &text);
    const EntrySize size =
        SizeOf(measure, text.cx, text.cy, GetSystemMetrics(SM_CXFULLSCREEN), hotBar);
    mis.itemWidth = static_cast<UINT>(std::max(size.width, 0));
    mis.itemHeight = static_cast<UINT>(size.height);
    rowHeight = size.rowHeight;
}

void DrawMenuEntry(const DRAWITEMSTRUCT& dis, CServiceWnd& service, int32_t& status,
                   CClipItem*& item) {
    HDC dc = dis.hDC;
    const bool highlighted = (dis.itemState & ODS_SELECTED) != 0;
    const COLORREF back = GetSysColor(highlighted ? COLOR_ACTIVECAPTION : COLOR_MENU);
    COLORREF fore = GetSysColor(highlighted ? COLOR_CAPTIONTEXT : COLOR_MENUTEXT);
    if (dis.itemState & ODS_GRAYED)
        fore = GetSysColor(COLOR_GRAYTEXT);
    const COLORREF oldBack = SetBkColor(dc, back);
    const COLORREF oldFore = SetTextColor(dc, fore);
    {
        UniqueBrush brush(CreateSolidBrush(back));
        FillRect(dc, &dis.rcItem, brush.Get());
    }

    MenuEntry scratch;
    const MenuEntry* entry = EntryOfItemData(dis.itemData, scratch);
    if (entry) {
        bool checked = false;
        ProbeMenuEntry(reinterpret_cast<HMENU>(dis.hwndItem), dis.itemID,
                       reinterpret_cast<HMENU>(service.m_hTrackedMenu), checked);
        Report(*entry, dis, service, status, item);

        LookContext context;
        context.now = Win32Clock().LocalNow();
        context.counters = service.m_nCounter;
        EntryLook look = LookOf(*entry, highlighted, context);
        UniqueIcon owned;
        if (HICON icon = IconOf(look, owned))
            DrawIconEx(dc, dis.rcItem.left + 1, dis.rcItem.top + 1, icon, 0, 0, 0, nullptr,
                       DI_NORMAL);

        RECT text = dis.rcItem;
        text.left += ENTRY_ICON_COLUMN;
        SelectedObject font(dc, service.m_font != NO_FONT ? ToHfont(service.m_font)
                                                          : GetCurrentObject(dc, OBJ_FONT));
        if (look.fitWidth)
            look.text = FitText(look.text, dis.rcItem.right - dis.rcItem.left - ENTRY_ICON_COLUMN,
                                DcTextWidth(dc));
        const UINT format = DT_SINGLELINE | DT_VCENTER | (look.prefix ? 0 : DT_NOPREFIX);
        if (!look.wideText.empty())
            DrawTextW(dc, WideChars(look.wideText), static_cast<int>(look.wideText.size()), &text,
                      format);
        else
            DrawTextA(dc, look.text.c_str(), static_cast<int>(look.text.size()), &text, format);
        if (checked) {
            RECT edge = dis.rcItem;
            DrawEdge(dc, &edge, EDGE_ETCHED, BF_TOP);
        }
    }
    SetTextColor(dc, oldFore);
    SetBkColor(dc, oldBack);
}
