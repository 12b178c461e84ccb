#include "ui/entry_look.h"

#include <gtest/gtest.h>

#include <string>
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
} // namespace

TEST(EntryLook, CounterCaptionsCountOnlyInExternalCollections) {
    const uint16_t counters[3] = {1, 7, 65535};
    auto collection = CClipItem::NewCollection("Numbers");
    auto item = CClipItem::FromText("x");
    item->caption = "+2Pass %u";
    EXPECT_EQ(LookOf(ItemEntry(*item), false, Context(counters)).text, "+2Pass %u");
    item->owner = collection.get();
    EXPECT_EQ(LookOf(ItemEntry(*item), false, Context(counters)).text, "Pass 7");
    item->caption = "+3No. %05d of %s";
    EXPECT_EQ(ItemCaption(*item, counters), "No. 65535 of %s");
    item->caption = "+Dear %s";
    EXPECT_EQ(ItemCaption(*item, counters), "Dear %s");
    item->caption = "+";
    EXPECT_EQ(ItemCaption(*item, counters), "");
    item->caption = "Plain %d";
    EXPECT_EQ(ItemCaption(*item, counters), "Plain %d");
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

TEST(EntryLook, TheTimePopupShowsTheTimeWhileHighlightedButKeepsItsWidth) {
    const MenuEntry popup = Entry(EntryKind::TimePopup);
    EXPECT_EQ(LookOf(popup, false, Context()).text, "Time...");
    EXPECT_EQ(LookOf(popup, true, Context()).text, "Time: 14:02:09 ...");
    EXPECT_EQ(LookOf(popup, true, Context()).icon, unsigned(IDI_TIME));
    EXPECT_EQ(MeasureOf(popup, Context().now).text, "Time...");
    EXPECT_EQ(ReportOf(popup).status, ID_STATUS_TIME);

    const MenuEntry entry = Entry(EntryKind::TimeEntry, ID_TIME_FIRST + 1);
    EXPECT_EQ(LookOf(entry, true, Context()).text, "02:02 PM");
    EXPECT_EQ(LookOf(entry, true, Context()).icon, unsigned(IDI_TIME));
    const EntryReport report = ReportOf(entry);
    EXPECT_EQ(report.status, int32_t(ID_TIME_FIRST + 1));
    EXPECT_EQ(report.item, nullptr);
    EXPECT_FALSE(report.setsPath);
}

TEST(EntryLook, AddressesReportWhatOpensThem) {
    const MenuEntry bare = Entry(EntryKind::Url, ID_URL_FIRST, "example.org/page");
    EXPECT_EQ(ReportOf(bare).path, "http://example.org/page");
    EXPECT_TRUE(ReportOf(bare).setsPath);
    EXPECT_EQ(ReportOf(bare).status, int32_t(ID_URL_FIRST));
    EXPECT_EQ(ReportOf(Entry(EntryKind::Url, ID_URL_FIRST, "https://x.org")).path, "https://x.org");
    const EntryLook look = LookOf(bare, false, Context());
    EXPECT_EQ(look.text, "example.org/page");
    EXPECT_EQ(look.shell, ShellIcon::Address);
    EXPECT_TRUE(look.fitWidth);
    // Measured on its first 36 characters only.
    const MenuEntry longOne = Entry(EntryKind::Url, ID_URL_FIRST, std::string(50, 'w'));
    EXPECT_EQ(MeasureOf(longOne, Context().now).text, std::string(36, 'w'));
    EXPECT_FALSE(MeasureOf(longOne, Context().now).fullRow);
}

TEST(EntryLook, DocumentsShowTheirFileNameAndReportTheWholePath) {
    const MenuEntry doc = Entry(EntryKind::Document, ID_DOC_FIRST + 3, "C:\\work\\plan.doc");
    const EntryLook look = LookOf(doc, true, Context());
    EXPECT_EQ(look.text, "plan.doc");
    EXPECT_EQ(look.shell, ShellIcon::File);
    EXPECT_EQ(look.shellName, "plan.doc");
    EXPECT_EQ(MeasureOf(doc, Context().now).text, "plan.doc");
    const EntryReport report = ReportOf(doc);
    EXPECT_EQ(report.status, int32_t(ID_DOC_FIRST + 3));
    EXPECT_EQ(report.path, "C:\\work\\plan.doc");
    EXPECT_EQ(report.item, nullptr);
    EXPECT_EQ(LookOf(Entry(EntryKind::Document, ID_DOC_FIRST, "report.doc"), false, Context()).text,
              "report.doc");
    // A file-type popup shows the type's system icon and reports no status of its own.
    const MenuEntry type = Entry(EntryKind::FileTypePopup, 0, "txt");
    EXPECT_EQ(LookOf(type, false, Context()).shellName, ".txt");
    EXPECT_EQ(ReportOf(type).status, -1);
}

TEST(EntryLook, PopupsReportTheirStatusIds) {
    auto collection = CClipItem::NewCollection("Letters");
    MenuEntry c = Entry(EntryKind::Collection, 0, "Letters");
    c.item = collection.get();
    EXPECT_EQ(LookOf(c, false, Context()).icon, unsigned(IDI_COLLECTION_CLOSED));
    EXPECT_EQ(LookOf(c, true, Context()).icon, unsigned(IDI_COLLECTION_OPEN));
    EXPECT_EQ(ReportOf(c).status, ID_STATUS_COLLECTION);
    EXPECT_EQ(ReportOf(c).path, "Letters");

    struct Case {
        EntryKind kind;
        const char* text;
        unsigned icon;
        int32_t status;
    };
    const Case cases[] = {
        {EntryKind::UrlPopup, "URLs (typed)...", IDI_URLS, ID_STATUS_URLS},
        {EntryKind::OpenSavePopup, "Documents (opened/saved)...", IDI_DOCUMENTS,
         ID_STATUS_DOCS_OPENSAVE},
        {EntryKind::RecentPopup, "Documents (recent)...", IDI_DOCUMENTS, ID_STATUS_DOCS_RECENT},
        {EntryKind::PasteAsPopup, "Paste As", IDI_PASTE_AS, -1},
        {EntryKind::PlayerPopup, "Player", IDI_PLAYER, -1},
        {EntryKind::SchedulerPopup, "Scheduler", IDI_SCHEDULER, -1},
        {EntryKind::PreferencesPopup, "Preferences", IDI_PREFERENCES, -1},
    };
    for (const Case& k : cases) {
        const EntryLook look = LookOf(Entry(k.kind), true, Context());
        EXPECT_EQ(look.text, k.text);
        EXPECT_EQ(look.icon, k.icon) << k.text;
        EXPECT_EQ(ReportOf(Entry(k.kind)).status, k.status) << k.text;
        EXPECT_EQ(ReportOf(Entry(k.kind)).item, nullptr);
    }
}

TEST(EntryLook, CommandsShowTheirCaptionWithMnemonicAndPicture) {
    const EntryLook paste =
        LookOf(Entry(EntryKind::Command, ID_PASTE_ALL, "Paste &all"), false, Context());
    EXPECT_EQ(paste.text, "Paste &all");
    EXPECT_TRUE(paste.prefix);
    EXPECT_EQ(paste.icon, 2800u);
    EXPECT_EQ(LookOf(Entry(EntryKind::Command, ID_PASTE_TEXT, "&Text"), false, Context()).icon, 0u);
}

TEST(EntrySize, ItemsAreNarrowerLongTextsCappedAndTheHotBarFillsRows) {
    auto collection = CClipItem::NewCollection("c");
    auto item = CClipItem::FromText("text");
    const MenuEntry active = ItemEntry(*item);
    EntrySize s = SizeOf(MeasureOf(active, Context().now), 100, 13, 1024, false);
    EXPECT_EQ(s.width, 100 - 16 + 26);
    EXPECT_EQ(s.height, 18);
    EXPECT_EQ(s.rowHeight, 17);
    s = SizeOf(MeasureOf(active, Context().now), 900, 20, 1024, false);
    EXPECT_EQ(s.width, 256 - 16 + 26);
    EXPECT_EQ(s.height, 22);
    // On the hot-menu bar the top level fills rows; entries of submenus keep their width.
    EXPECT_EQ(SizeOf(MeasureOf(active, Context().now), 100, 13, 1024, true).width, 1024);
    item->owner = collection.get();
    EXPECT_EQ(SizeOf(MeasureOf(active, Context().now), 100, 13, 1024, true).width, 110);
    for (EntryKind kind : {EntryKind::Collection, EntryKind::TimePopup, EntryKind::RecentPopup})
        EXPECT_EQ(SizeOf(MeasureOf(Entry(kind, 0, "x"), Context().now), 50, 13, 800, true).width,
                  800);
    for (EntryKind kind : {EntryKind::TimeEntry, EntryKind::Document, EntryKind::FileTypePopup})
        EXPECT_EQ(
            SizeOf(MeasureOf(Entry(kind, ID_TIME_FIRST, "x"), Context().now), 50, 13, 800, true)
                .width,
            76);
}

TEST(EntrySize, AddressesAreCutToFitWithDots) {
    FixedWidth six;
    EXPECT_EQ(FitText("abcdef", 36, six), "abcdef");
    EXPECT_EQ(FitText("abcdefgh", 36, six), "abcdef...");
    EXPECT_EQ(FitText("abc", 0, six), "...");
    EXPECT_EQ(FitText("", 10, six), "");
}
