#include "ui/entry_look.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "resource.h"
#include "ui/menu_ids.h"

namespace {
MenuEntry Entry(EntryKind kind, unsigned id = 0, std::string text = std::string()) {
    MenuEntry e;
    e.kind = kind;
    e.id = id;
    e.text = std::move(text);
    e.popup = kind != EntryKind::Item && kind != EntryKind::TimeEntry &&
              kind != EntryKind::Document && kind != EntryKind::Url && kind != EntryKind::Command;
    return e;
}

MenuEntry ItemEntry(CClipItem& item, unsigned id = 1) {
    MenuEntry e = Entry(EntryKind::Item, id);
    e.item = &item;
    return e;
}

LookContext Context(const uint16_t* counters = nullptr) {
    LookContext c;
    c.now.year = 2024, c.now.month = 3, c.now.day = 1, c.now.dayOfWeek = 5;
    c.now.hour = 14, c.now.minute = 2, c.now.second = 9;
    c.counters = counters;
    return c;
}

// Every character is 6 pixels wide.
class FixedWidth : public ITextWidth {
public:
    int Width(const std::string& text) const override { return 6 * static_cast<int>(text.size()); }
};

const char* const kScheduled = "Alarm <06:45,2,*,* *:* *:*,* *:*,*,*,* 00>";

// A look and a report as one value each, so that one comparison covers every field.
using Look = std::tuple<std::string, unsigned, ShellIcon, std::string, bool, bool>;
Look Seen(const EntryLook& l) {
    return {l.text, l.icon, l.shell, l.shellName, l.prefix, l.fitWidth};
}
Look Shows(std::string text, unsigned icon, ShellIcon shell = ShellIcon::None,
           std::string shellName = "", bool prefix = false, bool fitWidth = false) {
    return {std::move(text), icon, shell, std::move(shellName), prefix, fitWidth};
}
using Report = std::tuple<int32_t, const CClipItem*, bool, std::string>;
Report Told(const EntryReport& r) {
    return {r.status, r.item, r.setsPath, r.path};
}
Report Tells(int32_t status, std::string path = "", const CClipItem* item = nullptr) {
    return {status, item, !path.empty(), std::move(path)};
}
} // namespace

TEST(EntryLook, CounterCaptionsCountOnlyInExternalCollections) {
    const uint16_t counters[3] = {1, 7, 65535};
    auto collection = CClipItem::NewCollection("Numbers");
    auto item = CClipItem::FromText("x");
    item->caption = "+2Pass %u";
    EXPECT_EQ(LookOf(ItemEntry(*item), false, Context(counters)).text, "+2Pass %u");
    item->owner = collection.get();
    EXPECT_EQ(LookOf(ItemEntry(*item), false, Context(counters)).text, "Pass 7");
    const char* const captions[][2] = {{"+3No. %05d of %s", "No. 65535 of %s"},
                                       {"+Dear %s", "Dear %s"},
                                       {"+", ""},
                                       {"Plain %d", "Plain %d"}};
    for (const auto& c : captions) {
        item->caption = c[0];
        EXPECT_EQ(ItemCaption(*item, counters), c[1]);
    }
    // A scheduled caption shows its start time only; the width is measured the same way.
    item->caption = kScheduled;
    EXPECT_EQ(LookOf(ItemEntry(*item), false, Context(counters)).text, "Alarm <06:45>");
    EXPECT_EQ(MeasureOf(ItemEntry(*item), Context().now).text, "Alarm <06:45>");
}

TEST(EntryLook, ItemPicturesFollowKindHtmlAndCaptionMarks) {
    // Schedules of a media player and of another program, with and without a start time.
    const std::string media = " <08:30,*,*,* *:* *:*,* *:*,*,*,* 01>";
    const std::string mediaNoStart = " <*:*,*,*,* *:* *:*,* *:*,*,*,* 01>";
    const std::string program = " <08:30,*,*,* *:* *:*,* *:*,*,*,* 03>";
    const std::string programNoStart = " <*:*,*,*,* *:* *:*,* *:*,*,*,* 03>";
    const struct {
        uint16_t type;
        std::string caption;
        bool html;
        unsigned picture;
    } cases[] = {
        {CLIP_TEXT, "plain", false, IDI_ITEM_TEXT},
        {CLIP_TEXT, "", false, IDI_ITEM_TEXT},
        {CLIP_TEXT, "+only at start", false, IDI_ITEM_TEXT},
        {CLIP_TEXT, "+chain+", false, IDI_ITEM_TEXT + 1},
        {CLIP_TEXT, "x" + programNoStart, false, IDI_ITEM_TEXT + 2},
        {CLIP_RTF, "doc", false, IDI_ITEM_RTF},
        {CLIP_RTF, "doc", true, IDI_ITEM_HTML},
        {CLIP_TEXT, "+chain+", true, IDI_ITEM_HTML + 1},
        {CLIP_TEXT, "x" + program, true, IDI_ITEM_HTML + 3},
        {CLIP_TEXT, "x" + media, true, IDI_ITEM_HTML + 3},
        {CLIP_FILES, "f", false, IDI_ITEM_FILES},
        {CLIP_FILES, "x" + programNoStart, true, IDI_ITEM_HTML + 2},
        {CLIP_TEXT, "x" + media, false, IDI_ITEM_MEDIA + 3},
        {CLIP_FILES_WIDE, "x" + program, false, IDI_ITEM_FILES + 3},
        {CLIP_BITMAP, "Bitmap 001", false, IDI_ITEM_BITMAP},
        {CLIP_BITMAP, "+chain+", false, IDI_ITEM_BITMAP + 1},
        {CLIP_BITMAP, "x" + program, false, IDI_ITEM_BITMAP + 3},
        {CLIP_TEXT, "x" + mediaNoStart, false, IDI_ITEM_MEDIA + 2},
    };
    for (const auto& c : cases) {
        CClipItem item;
        item.type = c.type;
        item.caption = c.caption;
        if (c.html)
            item.SetHtml("<p>");
        EXPECT_EQ(LookOf(ItemEntry(item), false, Context()).icon, c.picture) << c.caption;
    }
}

TEST(EntryLook, PopupsReportTheirStatusIdsAndOnlyTheTimePopupShowsTheTimeWhenHighlighted) {
    const MenuEntry popup = Entry(EntryKind::TimePopup);
    EXPECT_EQ(Seen(LookOf(popup, false, Context())), Shows("Time...", IDI_TIME));
    EXPECT_EQ(Seen(LookOf(popup, true, Context())), Shows("Time: 14:02:09 ...", IDI_TIME));
    EXPECT_EQ(MeasureOf(popup, Context().now).text, "Time...");
    EXPECT_EQ(Told(ReportOf(popup)), Tells(ID_STATUS_TIME));

    const MenuEntry entry = Entry(EntryKind::TimeEntry, ID_TIME_FIRST + 1);
    EXPECT_EQ(Seen(LookOf(entry, true, Context())), Shows("02:02 PM", IDI_TIME));
    EXPECT_EQ(Told(ReportOf(entry)), Tells(ID_TIME_FIRST + 1));
    auto collection = CClipItem::NewCollection("Letters");
    MenuEntry c = Entry(EntryKind::Collection, 0, "Letters");
    c.item = collection.get();
    EXPECT_EQ(Seen(LookOf(c, false, Context())), Shows("Letters", IDI_COLLECTION_CLOSED));
    EXPECT_EQ(Seen(LookOf(c, true, Context())), Shows("Letters", IDI_COLLECTION_OPEN));
    EXPECT_EQ(Told(ReportOf(c)), Tells(ID_STATUS_COLLECTION, "Letters"));
    // Only the time popup changes its text while highlighted.
    const MenuEntry recent = Entry(EntryKind::RecentPopup);
    EXPECT_EQ(Seen(LookOf(recent, true, Context())), Shows("Documents (recent)...", IDI_DOCUMENTS));
    EXPECT_EQ(Told(ReportOf(recent)), Tells(ID_STATUS_DOCS_RECENT));
    // A command shows its caption with the mnemonic, and its picture when it has one.
    EXPECT_EQ(Seen(LookOf(Entry(EntryKind::Command, ID_PASTE_ALL, "Paste &all"), false, Context())),
              Shows("Paste &all", 2800, ShellIcon::None, "", true));
    EXPECT_EQ(LookOf(Entry(EntryKind::Command, ID_PASTE_TEXT, "&Text"), false, Context()).icon, 0u);
}

TEST(EntryLook, AddressesReportWhatOpensThemAndAreCutToFitWithDots) {
    const MenuEntry bare = Entry(EntryKind::Url, ID_URL_FIRST, "example.org/page");
    EXPECT_EQ(Told(ReportOf(bare)), Tells(ID_URL_FIRST, "http://example.org/page"));
    EXPECT_EQ(ReportOf(Entry(EntryKind::Url, ID_URL_FIRST, "https://x.org")).path, "https://x.org");
    EXPECT_EQ(Seen(LookOf(bare, false, Context())),
              Shows("example.org/page", 0, ShellIcon::Address, "example.org/page", false, true));
    // Measured on its first 36 characters only.
    const MenuEntry longOne = Entry(EntryKind::Url, ID_URL_FIRST, std::string(50, 'w'));
    EXPECT_EQ(MeasureOf(longOne, Context().now).text, std::string(36, 'w'));
    EXPECT_FALSE(MeasureOf(longOne, Context().now).fullRow);
    FixedWidth six;
    EXPECT_EQ(FitText("abcdef", 36, six), "abcdef");
    EXPECT_EQ(FitText("abcdefgh", 36, six), "abcdef...");
    EXPECT_EQ(FitText("abc", 0, six), "...");
    EXPECT_EQ(FitText("", 10, six), "");
}

TEST(EntryLook, DocumentsShowTheirFileNameAndReportTheWholePath) {
    const MenuEntry doc = Entry(EntryKind::Document, ID_DOC_FIRST + 3, "C:\\work\\plan.doc");
    EXPECT_EQ(Seen(LookOf(doc, true, Context())),
              Shows("plan.doc", 0, ShellIcon::File, "plan.doc"));
    EXPECT_EQ(MeasureOf(doc, Context().now).text, "plan.doc");
    EXPECT_EQ(Told(ReportOf(doc)), Tells(ID_DOC_FIRST + 3, "C:\\work\\plan.doc"));
    EXPECT_EQ(LookOf(Entry(EntryKind::Document, ID_DOC_FIRST, "report.doc"), false, Context()).text,
              "report.doc");
    // A file-type popup shows the type's system icon and reports no status of its own.
    const MenuEntry type = Entry(EntryKind::FileTypePopup, 0, "txt");
    EXPECT_EQ(Seen(LookOf(type, false, Context())), Shows("txt", 0, ShellIcon::File, ".txt"));
    EXPECT_EQ(Told(ReportOf(type)), Tells(-1));
}

TEST(EntrySize, ItemsAreNarrowerLongTextsCappedAndTheHotBarFillsRows) {
    auto collection = CClipItem::NewCollection("c");
    auto item = CClipItem::FromText("text");
    const MenuEntry active = ItemEntry(*item);
    const auto size = [&](int cx, int cy) {
        const EntrySize s = SizeOf(MeasureOf(active, Context().now), cx, cy, 1024, false);
        return std::vector<int>{s.width, s.height, s.rowHeight};
    };
    EXPECT_EQ(size(100, 13), (std::vector<int>{100 - 16 + 26, 18, 17}));
    EXPECT_EQ(size(900, 20), (std::vector<int>{256 - 16 + 26, 22, 21}));
    // On the hot-menu bar the top level fills rows; entries of submenus keep their width.
    const auto onBar = [](const MenuEntry& e, int cx, int screenWidth) {
        return SizeOf(MeasureOf(e, Context().now), cx, 13, screenWidth, true).width;
    };
    EXPECT_EQ(onBar(active, 100, 1024), 1024);
    item->owner = collection.get();
    EXPECT_EQ(onBar(active, 100, 1024), 110);
    for (EntryKind kind : {EntryKind::Collection, EntryKind::TimePopup, EntryKind::RecentPopup})
        EXPECT_EQ(onBar(Entry(kind, 0, "x"), 50, 800), 800);
    for (EntryKind kind : {EntryKind::TimeEntry, EntryKind::Document, EntryKind::FileTypePopup})
        EXPECT_EQ(onBar(Entry(kind, ID_TIME_FIRST, "x"), 50, 800), 76);
}
