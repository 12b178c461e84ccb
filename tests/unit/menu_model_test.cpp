#include "ui/menu_model.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "fakes/fake_registry_lists.h"
#include "platform/win_constants.h"
#include "store/preferences.h"
#include "ui/menu_ids.h"
#include "ui/time_entries.h"
#include "ui/typed_urls.h"

namespace {
ClipList Items(int count, const std::string& prefix = "item ") {
    ClipList list;
    for (int i = 1; i <= count; ++i)
        list.push_back(CClipItem::FromText(prefix + std::to_string(i)));
    return list;
}

std::unique_ptr<CClipItem> Collection(const std::string& name, int items) {
    auto c = CClipItem::NewCollection(name);
    for (auto& item : Items(items, name + " ")) {
        item->owner = c.get();
        c->children.push_back(std::move(item));
    }
    return c;
}

// Each entry's kind, and whether it starts a group.
std::vector<std::pair<EntryKind, bool>> Shape(const MenuModel& menu) {
    std::vector<std::pair<EntryKind, bool>> shape;
    for (const MenuEntry& e : menu.entries)
        shape.emplace_back(e.kind, e.groupMark);
    return shape;
}

std::vector<unsigned> Ids(const MenuModel& menu) {
    std::vector<unsigned> ids;
    for (const MenuEntry& e : menu.entries)
        ids.push_back(e.id);
    return ids;
}

constexpr uint32_t kNoExtensions =
    OPT_DEFAULTS & ~(OPT_EXT_TIME | OPT_EXT_URLS | OPT_EXT_DOCS_OPENSAVE | OPT_EXT_DOCS_RECENT);
} // namespace

TEST(MainMenuModel, ActiveItemsThenCollectionsEachStopAfter127) {
    ClipList active = Items(128), collections;
    for (int i = 0; i < 128; ++i)
        collections.push_back(Collection("c" + std::to_string(i), i == 0 ? 300 : 1));
    MenuModel menu = BuildMainMenu({active, collections, kNoExtensions});
    ASSERT_EQ(menu.entries.size(), 127u + 127u);
    for (size_t i = 0; i < 127; ++i) {
        const MenuEntry& e = menu.entries[i];
        EXPECT_EQ(e.id, i + 1);
        EXPECT_EQ(e.item, active[i].get());
        EXPECT_EQ(MenuFlagsOf(e), win::MF_OWNERDRAW);
        uintptr_t tag;
        EXPECT_FALSE(EntryTag(e.kind, tag)); // identified by its address, not a tag
    }
    const MenuModel& first = *menu.entries[127].submenu;
    ASSERT_EQ(first.entries.size(), 127u);
    EXPECT_EQ(first.entries.back().id, 127u);
    EXPECT_EQ(first.entries.back().item, collections[0]->children[126].get());
    EXPECT_EQ(CountEntries(menu), 127u + 127u + 127u + 126u);
}

TEST(MainMenuModel, CollectionsArePopupsWithTheirOwnIdsAndOneGroupMark) {
    ClipList active = Items(2), collections;
    collections.push_back(Collection("Letters", 3));
    collections.push_back(Collection("Empty", 0));
    MenuModel menu = BuildMainMenu({active, collections, kNoExtensions});
    ASSERT_EQ(menu.entries.size(), 4u);

    const MenuEntry &letters = menu.entries[2], &empty = menu.entries[3];
    EXPECT_EQ(std::make_tuple(letters.kind, MenuFlagsOf(letters), letters.text, letters.item),
              std::make_tuple(EntryKind::Collection,
                              unsigned(win::MF_OWNERDRAW | win::MF_POPUP | win::MF_CHECKED),
                              "Letters", collections[0].get()));
    ASSERT_TRUE(letters.submenu && empty.submenu);
    EXPECT_EQ(Ids(*letters.submenu), (std::vector<unsigned>{1, 2, 3}));
    EXPECT_EQ(letters.submenu->entries[1].item, collections[0]->children[1].get());
    EXPECT_EQ(MenuFlagsOf(empty), win::MF_OWNERDRAW | win::MF_POPUP);
    EXPECT_TRUE(empty.submenu->entries.empty()); // still shown as a popup
}

TEST(MainMenuModel, TheFirstExtensionPresentCarriesTheGroupMark) {
    ClipList active = Items(1), collections;
    collections.push_back(Collection("c", 1));
    using K = EntryKind;
    const struct {
        uint32_t switches;
        std::vector<std::pair<EntryKind, bool>> shape;
    } cases[] = {
        {OPT_EXT_DOCS_RECENT, {{K::Item, false}, {K::Collection, true}, {K::RecentPopup, true}}},
        {OPT_EXT_TIME | OPT_EXT_DOCS_RECENT,
         {{K::Item, false}, {K::Collection, true}, {K::TimePopup, true}, {K::RecentPopup, false}}},
        {OPT_EXT_URLS | OPT_EXT_DOCS_OPENSAVE | OPT_EXT_DOCS_RECENT,
         {{K::Item, false},
          {K::Collection, true},
          {K::UrlPopup, true},
          {K::OpenSavePopup, false},
          {K::RecentPopup, false}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Shape(BuildMainMenu({active, collections, kNoExtensions | c.switches})), c.shape)
            << c.switches;
}

TEST(MainMenuModel, ExtensionPopupsCarryTagsAndTheDocumentsPopupsAreShared) {
    ClipList active, collections;
    FakeRegistryLists registry;
    registry.SetString(TYPED_URLS_KEY, "url1", "http://example.org");
    const uint32_t all = OPT_EXT_TIME | OPT_EXT_URLS | OPT_EXT_DOCS_OPENSAVE | OPT_EXT_DOCS_RECENT;
    MenuModel menu = BuildMainMenu({active, collections, all, &registry});
    ASSERT_EQ(menu.entries.size(), 4u);
    const uintptr_t expected[] = {TAG_TIME, TAG_URLS, TAG_DOCS_OPENSAVE, TAG_DOCS_RECENT};
    for (size_t i = 0; i < 4; ++i) {
        uintptr_t tag = 99;
        EntryKind kind = EntryKind::Item; // what the drawing finds behind the tag
        EXPECT_TRUE(EntryTag(menu.entries[i].kind, tag) && KindOfTag(tag, kind)) << i;
        EXPECT_EQ(std::make_pair(tag, kind), std::make_pair(expected[i], menu.entries[i].kind));
    }
    EXPECT_EQ(Ids(*menu.entries[0].submenu),
              (std::vector<unsigned>{17408, 17409, 17410, 17411, 17412, 17413}));
    EXPECT_EQ(menu.entries[1].submenu->entries.at(0).text, "example.org");
    // The documents popups are attached by the Win32 side, built once at start-up.
    EXPECT_FALSE(menu.entries[2].submenu);
    EXPECT_FALSE(menu.entries[3].submenu);
}

TEST(TypedUrls, ShortAndOverlongValuesAreSkippedAGapEndsTheListAndOnlyHttpIsHidden) {
    FakeRegistryLists registry;
    registry.SetString(TYPED_URLS_KEY, "url1", "www.one.org/" + std::string(247, 'a')); // 260
    registry.SetString(TYPED_URLS_KEY, "url2", "www.two.org/" + std::string(248, 'b')); // 261
    registry.SetString(TYPED_URLS_KEY, "url3", "abc"); // 4 bytes with its NUL
    registry.SetString(TYPED_URLS_KEY, "url4", "www.four.org");
    registry.SetString(TYPED_URLS_KEY, "url6", "www.six.org"); // after the gap
    const MenuModel menu = std::move(*BuildTypedUrlMenu(registry));
    EXPECT_EQ(Ids(menu), (std::vector<unsigned>{17152, 17155}));
    EXPECT_EQ(menu.entries.back().text, "www.four.org");
    EXPECT_EQ(menu.entries.back().kind, EntryKind::Url);
    EXPECT_EQ(ShownAddress("HTTP://Example.org/a"), "Example.org/a");
    EXPECT_EQ(ShownAddress("https://example.org"), "https://example.org");
    EXPECT_EQ(ShownAddress("ftp://http://x"), "ftp://http://x");
    EXPECT_EQ(ShownAddress("http:/"), "http:/");
}

TEST(TimeEntries, EveryFormatOfTheTableAndPatternsFromLanguageLibrariesAreNeverTrusted) {
    LocalTime t;
    t.year = 2024, t.month = 2, t.day = 9, t.dayOfWeek = 5;
    t.hour = 7, t.minute = 3, t.second = 4;
    std::string shown;
    for (int format : {0, 2, 3, 4, 5, 6, -1})
        shown += FormatTimeEntry(format, t) + "|";
    EXPECT_EQ(shown, "07:03:04|February 09|07:03, February 09, 2024|Friday, February 09|"
                     "07:03, Friday, February 09, 2024|||");
    std::string twelve;
    for (int hour : {0, 11, 12, 13}) {
        t.hour = hour;
        twelve += FormatTimeEntry(1, t) + "|";
    }
    EXPECT_EQ(twelve, "12:03 AM|11:03 AM|12:03 PM|01:03 PM|");
    t = LocalTime();
    t.hour = 21, t.minute = 15, t.second = 0, t.month = 9;
    EXPECT_EQ(FormatLocalTime("Time: %H:%M:%S ...", t), "Time: 21:15:00 ...");
    EXPECT_EQ(FormatLocalTime("%I %p, 100%%", t), "09 PM, 100%");
    t.hour = 12;
    EXPECT_EQ(FormatLocalTime("%I %p", t), "12 PM") << "noon";
    t.dayOfWeek = 7; // out of range: no name is read beyond the table
    EXPECT_EQ(FormatLocalTime("%m/%A", t), "09/?");
    // Conversions that are not time conversions stay as text; a lone % at the end too.
    EXPECT_EQ(FormatLocalTime("%s %n %d%", t), "%s %n 00%");
    // Too long for the system's buffer of 128 characters: nothing is shown.
    EXPECT_EQ(FormatLocalTime(std::string(127, 'x'), t), std::string(127, 'x'));
    EXPECT_EQ(FormatLocalTime(std::string(118, 'x') + "%B", t),
              std::string(118, 'x') + "September");
    EXPECT_EQ(FormatLocalTime(std::string(119, 'x') + "%B", t), "");
    // The day of the year counts 29 February in leap years only.
    const struct {
        int year, month, day;
        const char* shown;
    } days[] = {{2023, 3, 1, "060"},  {2024, 3, 1, "061"},  {1900, 3, 1, "060"},
                {2000, 3, 1, "061"},  {2024, 2, 29, "060"}, {2024, 13, 1, "000"},
                {2023, 12, 31, "365"}};
    for (const auto& d : days) {
        t.year = d.year, t.month = d.month, t.day = d.day;
        EXPECT_EQ(FormatLocalTime("%j", t), d.shown) << d.year << "-" << d.month;
    }
}
