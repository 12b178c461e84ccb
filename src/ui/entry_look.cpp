#include "ui/entry_look.h"

#include <algorithm>

#include "platform/ui_strings.h"
#include "player/schedule.h"
#include "resource.h"
#include "store/counter_format.h"
#include "ui/menu_ids.h"
#include "ui/time_entries.h"

namespace {
// What menus show of a caption: only one that holds a schedule ("<...>") changes.
void ShortenScheduled(std::string& text) {
    if (text.find('<') != std::string::npos)
        text = MenuCaptionOf(text);
}

constexpr size_t kUrlMeasureLength = 36;
constexpr int kItemNarrow = 16;
constexpr int kEntryPadding = 26;

struct PopupLook {
    unsigned text;
    unsigned icon;
    int32_t status;
};

bool PopupLookOf(EntryKind kind, PopupLook& look) {
    switch (kind) {
    case EntryKind::TimePopup:
        look = {IDS_TIME_POPUP, IDI_TIME, ID_STATUS_TIME};
        return true;
    case EntryKind::UrlPopup:
        look = {IDS_URLS_POPUP, IDI_URLS, ID_STATUS_URLS};
        return true;
    case EntryKind::OpenSavePopup:
        look = {IDS_DOCS_OPENSAVE_POPUP, IDI_DOCUMENTS, ID_STATUS_DOCS_OPENSAVE};
        return true;
    case EntryKind::RecentPopup:
        look = {IDS_DOCS_RECENT_POPUP, IDI_DOCUMENTS, ID_STATUS_DOCS_RECENT};
        return true;
    case EntryKind::PasteAsPopup:
        look = {IDS_PASTE_AS_POPUP, IDI_PASTE_AS, -1};
        return true;
    case EntryKind::PlayerPopup:
        look = {IDS_PLAYER_POPUP, IDI_PLAYER, -1};
        return true;
    case EntryKind::SchedulerPopup:
        look = {IDS_SCHEDULER_POPUP, IDI_SCHEDULER, -1};
        return true;
    case EntryKind::PreferencesPopup:
        look = {IDS_PREFERENCES_POPUP, IDI_PREFERENCES, -1};
        return true;
    default:
        return false;
    }
}

int TimeIndex(const MenuEntry& entry) {
    return static_cast<int>(entry.id) - static_cast<int>(ID_TIME_FIRST);
}

unsigned CommandPicture(unsigned id) {
    const unsigned picture = id - (ID_PASTE_ALL - IDI_COMMAND_FIRST);
    return id >= ID_PASTE_ALL && picture <= IDI_COMMAND_LAST ? picture : 0;
}
} // namespace

int GetIconIndex(const CClipItem& item) {
    const std::string& caption = item.caption;
    int mark = 0;
    const ScheduleMarks schedule = ScheduleMarksOf(caption);
    if (schedule.scheduled)
        mark = schedule.startSet ? 3 : 2;
    else if (!caption.empty() && caption.front() == '+' && caption.back() == '+')
        mark = 1;

    if (item.HasHtml())
        return mark + 11;
    if (schedule.scheduled && schedule.mediaPlayer)
        return mark + 23;
    switch (item.type) {
    case CLIP_TEXT:
        return mark + 3;
    case CLIP_RTF:
        return mark + 7;
    case CLIP_FILES:
    case CLIP_FILES_WIDE:
        return mark + 19;
    default:
        return mark + 15;
    }
}

unsigned ItemPicture(int i) {
    if (i >= 3 && i <= 14)
        return static_cast<unsigned>(151 + i);
    if (i >= 16 && i <= 18)
        return static_cast<unsigned>(155 + i);
    if (i >= 19 && i <= 22)
        return static_cast<unsigned>(147 + i);
    if (i >= 23 && i <= 26)
        return static_cast<unsigned>(151 + i);
    return IDI_ITEM_BITMAP;
}

std::string ItemCaption(const CClipItem& item, const uint16_t* counters) {
    const std::string& k = item.caption;
    if (!item.owner || k.empty() || k[0] != '+')
        return k;
    if (k.size() >= 2 && k[1] >= '1' && k[1] <= '3' && counters)
        return FormatCounter(k.substr(2), counters[k[1] - '1']).text;
    return k.substr(1);
}

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string AddressToOpen(const std::string& shown) {
    return shown.find("//") != std::string::npos ? shown : "http://" + shown;
}

namespace {
EntryLook RawLookOf(const MenuEntry& entry, bool highlighted, const LookContext& context) {
    EntryLook look;
    PopupLook popup;
    switch (entry.kind) {
    case EntryKind::Command:
        look.text = entry.text;
        look.icon = CommandPicture(entry.id);
        look.prefix = true;
        return look;
    case EntryKind::Item:
        if (entry.item) {
            look.icon = ItemPicture(GetIconIndex(*entry.item));
            look.text = ItemCaption(*entry.item, context.counters);
            if (look.text == entry.item->caption)
                look.wideText = entry.item->ShownWideCaption();
        }
        return look;
    case EntryKind::TimeEntry:
        look.icon = IDI_TIME;
        look.text = FormatTimeEntry(TimeIndex(entry), context.now);
        return look;
    case EntryKind::Document:
        look.text = FileNameOf(entry.text);
        look.shell = ShellIcon::File;
        look.shellName = look.text;
        return look;
    case EntryKind::Url:
        look.text = entry.text;
        look.shell = ShellIcon::Address;
        look.shellName = entry.text;
        look.fitWidth = true;
        return look;
    case EntryKind::Collection:
        look.icon = highlighted ? IDI_COLLECTION_OPEN : IDI_COLLECTION_CLOSED;
        look.text = entry.text;
        return look;
    case EntryKind::FileTypePopup:
        look.text = entry.text;
        look.shell = ShellIcon::File;
        look.shellName = "." + entry.text;
        return look;
    default:
        break;
    }
    if (PopupLookOf(entry.kind, popup)) {
        look.icon = popup.icon;
        look.text = LoadUiString(popup.text);
        if (entry.kind == EntryKind::TimePopup && highlighted)
            look.text = FormatLocalTime(LoadUiString(IDS_TIME_NOW), context.now);
    }
    return look;
}
} // namespace

EntryLook LookOf(const MenuEntry& entry, bool highlighted, const LookContext& context) {
    EntryLook look = RawLookOf(entry, highlighted, context);
    ShortenScheduled(look.text); // a scheduled caption shows its start time only
    return look;
}

EntryReport ReportOf(const MenuEntry& entry) {
    EntryReport report;
    PopupLook popup;
    switch (entry.kind) {
    case EntryKind::Item:
        report.status = static_cast<int32_t>(entry.id);
        report.item = entry.item;
        return report;
    case EntryKind::Command:
        // A popup of a language's own context menu that the program does not know.
        report.status = entry.popup ? -1 : static_cast<int32_t>(entry.id);
        return report;
    case EntryKind::TimeEntry:
        report.status = static_cast<int32_t>(entry.id);
        return report;
    case EntryKind::Document:
        report.status = static_cast<int32_t>(entry.id);
        report.setsPath = true;
        report.path = entry.text;
        return report;
    case EntryKind::Url:
        report.status = static_cast<int32_t>(entry.id);
        report.setsPath = true;
        report.path = AddressToOpen(entry.text);
        return report;
    case EntryKind::Collection:
        report.status = ID_STATUS_COLLECTION;
        report.setsPath = true;
        report.path = entry.text;
        return report;
    default:
        break;
    }
    if (PopupLookOf(entry.kind, popup))
        report.status = popup.status;
    return report;
}

EntryMeasure MeasureOf(const MenuEntry& entry, const LocalTime& now) {
    EntryMeasure m;
    switch (entry.kind) {
    case EntryKind::Item:
        if (entry.item) {
            m.text = entry.item->caption;
            m.wideText = entry.item->ShownWideCaption();
            m.fullRow = entry.item->owner == nullptr;
        }
        m.narrow = kItemNarrow;
        break;
    case EntryKind::TimeEntry:
        m.text = FormatTimeEntry(TimeIndex(entry), now);
        m.fullRow = false;
        break;
    case EntryKind::Document:
        m.text = FileNameOf(entry.text);
        m.fullRow = false;
        break;
    case EntryKind::Url:
        m.text = entry.text.substr(0, kUrlMeasureLength);
        m.fullRow = false;
        break;
    case EntryKind::FileTypePopup:
        m.text = entry.text;
        m.fullRow = false;
        break;
    case EntryKind::Collection:
    case EntryKind::Command:
        m.text = entry.text;
        break;
    default: {
        PopupLook popup;
        if (PopupLookOf(entry.kind, popup))
            m.text = LoadUiString(popup.text);
        break;
    }
    }
    ShortenScheduled(m.text);
    return m;
}

EntrySize SizeOf(const EntryMeasure& measure, int cx, int cy, int screenWidth, bool hotBar) {
    EntrySize size;
    if (measure.fullRow && hotBar)
        size.width = screenWidth;
    else
        size.width = std::min(cx, screenWidth / 4) - measure.narrow + kEntryPadding;
    const int h = std::max(cy, ENTRY_MIN_TEXT_HEIGHT);
    size.rowHeight = h + 1;
    size.height = h + 2;
    return size;
}

std::string FitText(const std::string& text, int available, const ITextWidth& measure) {
    size_t n = text.size();
    while (n > 0 && measure.Width(text.substr(0, n)) > available)
        --n;
    return n < text.size() ? text.substr(0, n) + "..." : text;
}
