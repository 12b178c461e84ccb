#pragma once
// What an owner-drawn menu entry shows and what drawing it tells the service: the logic of
// measuring and drawing that needs no window. The Win32 side measures text, paints, and
// stores the report into CServiceWnd.
#include <cstdint>
#include <string>

#include "platform/clock.h"
#include "ui/menu_model.h"

// Icon columns and rows of the entries, in pixels.
constexpr int ENTRY_ICON_COLUMN = 18;
constexpr int ENTRY_MIN_TEXT_HEIGHT = 16;

// Where a small system icon comes from: the type of a file name, or the web's page type.
enum class ShellIcon : uint8_t { None, File, Address };

struct EntryLook {
    std::string text;        // as drawn (a scheduled item's caption already shortened)
    std::u16string wideText; // drawn instead of text: a caption beyond the code page
    unsigned icon = 0;       // picture resource; 0 for none
    ShellIcon shell = ShellIcon::None;
    std::string shellName; // the file name whose type gives the system icon
    bool prefix = false;   // '&' marks a mnemonic (context-menu commands)
    bool fitWidth = false; // shorten with "..." to fit the entry (typed addresses)
};

// What a highlighted entry reports: the status id (its command id, a popup's status id,
// or -1 when a popup has none), the clip item or none, and for documents, addresses and
// collections the path, address or name.
struct EntryReport {
    int32_t status = -1;
    CClipItem* item = nullptr;
    bool setsPath = false;
    std::string path;
};

// The values drawing depends on besides the entry.
struct LookContext {
    LocalTime now;
    const uint16_t* counters = nullptr; // m_nCounter, three values
};

// The entry's look: highlighted entries of the "Time..." popup read the current time, and
// external collections show an open folder.
EntryLook LookOf(const MenuEntry& entry, bool highlighted, const LookContext& context);

// What the highlighted entry reports.
EntryReport ReportOf(const MenuEntry& entry);

// The text measured for the entry's width, how much narrower than the text plus its icon
// column the entry may be, and whether on the hot-menu bar it fills a whole row.
struct EntryMeasure {
    std::string text;
    std::u16string wideText; // measured instead of text when not empty
    int narrow = 0;
    bool fullRow = true;
};
EntryMeasure MeasureOf(const MenuEntry& entry, const LocalTime& now);

// Width and height of an entry whose text measures (cx, cy); `screenWidth` is the width of
// the full screen's work area; `hotBar` for the top level of the hot-menu bar.
struct EntrySize {
    int width = 0;
    int height = 0;
    int rowHeight = 0; // m_nMenuRowHeight: one row, for moving the pointer by rows
};
EntrySize SizeOf(const EntryMeasure& measure, int cx, int cy, int screenWidth, bool hotBar);

// Index of the item's picture in the menu's image list: its kind (text, Rich Text, HTML,
// files, bitmap, scheduled for a media player) and the mark of its caption (a "+...+"
// chain, a schedule without or with a start time).
int GetIconIndex(const CClipItem& item);
// The picture of an item by its icon index.
unsigned ItemPicture(int iconIndex);

// The caption an item shows: in an external collection "+1".."+3" followed by a pattern
// show the pattern formatted with counter 1..3; "+" followed by anything else loses the "+".
std::string ItemCaption(const CClipItem& item, const uint16_t* counters);

// Measures text in the entry's font.
class ITextWidth {
public:
    virtual ~ITextWidth() = default;
    virtual int Width(const std::string& text) const = 0;
};

// The text cut so that it fits `available` pixels, "..." appended when it was cut.
std::string FitText(const std::string& text, int available, const ITextWidth& measure);

// The address that choosing a typed URL opens: "http://" put in front when it has no "//".
std::string AddressToOpen(const std::string& shown);

// The part of a path after its last backslash (all of it when there is none).
std::string FileNameOf(const std::string& path);
