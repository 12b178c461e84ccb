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

TEST(EntryLook, ItemPicturesFollowKindAndCaption) {
    uint8_t counter = 0;
    std::vector<uint8_t> dib(40 + 4, 0);
    dib[0] = 40, dib[4] = 1, dib[8] = 1, dib[12] = 1, dib[14] = 32;
    auto text = CClipItem::FromText("hello");
    auto rtf = CClipItem::FromRtf("{\\rtf1 hello}");
    auto bitmap = CClipItem::FromDib(dib, counter);
    const uint8_t list[] = {'a', ':', '\\', 'b', 0, 0};
    auto files = CClipItem::FromFileList(list, sizeof list, false);
    EXPECT_EQ(LookOf(ItemEntry(*text), false, Context()).icon, unsigned(IDI_ITEM_TEXT));
    EXPECT_EQ(LookOf(ItemEntry(*rtf), false, Context()).icon, unsigned(IDI_ITEM_RTF));
    EXPECT_EQ(LookOf(ItemEntry(*bitmap), false, Context()).icon, unsigned(IDI_ITEM_BITMAP));
    EXPECT_EQ(LookOf(ItemEntry(*files), false, Context()).icon, unsigned(IDI_ITEM_FILES));
    text->SetHtml("<b>hello</b>");
    EXPECT_EQ(LookOf(ItemEntry(*text), false, Context()).icon, unsigned(IDI_ITEM_HTML));
    // Variants: "+...+" chains, then schedules without and with a start time.
    rtf->caption = "+chain+";
    EXPECT_EQ(LookOf(ItemEntry(*rtf), false, Context()).icon, unsigned(IDI_ITEM_RTF + 1));
    rtf->caption = "News <*:*,*,*,* *:* *:*,* *:*,*,*,* 00>";
    EXPECT_EQ(LookOf(ItemEntry(*rtf), false, Context()).icon, unsigned(IDI_ITEM_MEDIA + 2));
    bitmap->caption = kScheduled;
    EXPECT_EQ(LookOf(ItemEntry(*bitmap), false, Context()).icon, unsigned(IDI_ITEM_MEDIA + 3));
    // Indexes the item never gives fall back to the bitmap picture.
    EXPECT_EQ(ItemPicture(0), unsigned(IDI_ITEM_BITMAP));
    EXPECT_EQ(ItemPicture(15), unsigned(IDI_ITEM_BITMAP));
    EXPECT_EQ(ItemPicture(16), unsigned(IDI_ITEM_BITMAP + 1));
    EXPECT_EQ(ItemPicture(22), unsigned(IDI_ITEM_FILES + 3));
    EXPECT_EQ(ItemPicture(27), unsigned(IDI_ITEM_BITMAP));
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
    const EntryReport report = ReportOf(doc);
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
