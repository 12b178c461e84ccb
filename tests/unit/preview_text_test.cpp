// What the tip beside an open menu shows for the highlight.
#include "ui/preview_text.h"

#include <gtest/gtest.h>

#include "resource.h"
#include "store/clip_item.h"
#include "ui/menu_ids.h"

namespace {
MenuHighlight MainMenu(int32_t entryId, CClipItem* item) {
    MenuHighlight h;
    h.entryId = entryId;
    h.item = item;
    return h;
}

MenuHighlight ContextMenu(int32_t selId, CClipItem* item) {
    MenuHighlight h = MainMenu(1, item); // the entry the context menu was opened for
    h.contextMenu = true;
    h.selId = selId;
    return h;
}
} // namespace

TEST(PreviewText, TheTipFollowsTheHighlight) {
    auto item = CClipItem::FromText("x");
    item->preview = " \r\n first line\n\nsecond line \t";
    auto longItem = CClipItem::FromText("x");
    longItem->preview = std::string(600, 'p');
    uint8_t counter = 0;
    std::vector<uint8_t> dib(44, 0);
    dib[0] = 40, dib[4] = 1, dib[8] = 1, dib[12] = 1, dib[14] = 32;
    auto bitmap = CClipItem::FromDib(dib, counter);
    bitmap->preview.clear();
    const struct {
        const char* name;
        MenuHighlight highlight;
        int32_t tool; // -1: no tip
        std::string text;
        const CClipItem* picture = nullptr;
    } cases[] = {
        {"nothing highlighted", MainMenu(-1, nullptr), -1, ""},
        {"an item: its preview, trimmed", MainMenu(1, item.get()), 1, "first line\n\nsecond line"},
        {"a long preview is cut", MainMenu(2, longItem.get()), 2, std::string(511, 'p')},
        {"a popup: its help text", MainMenu(ID_STATUS_COLLECTION, nullptr), ID_STATUS_COLLECTION,
         "External menu"},
        {"a time entry has no help text", MainMenu(17408, nullptr), -1, ""},
        {"the highlight went, the item is still remembered", MainMenu(-1, item.get()), -1, ""},
        {"a context menu's command", ContextMenu(ID_PRINT, item.get()), ID_PRINT,
         "Print selected item"},
        {"a popup's position in a context menu", ContextMenu(3, item.get()), -1, ""},
        {"nothing highlighted in a context menu", ContextMenu(-1, item.get()), -1, ""},
        {"a bitmap without preview shows itself", MainMenu(2, bitmap.get()), 2, "", bitmap.get()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TipSubject tip = TipSubjectOf(c.highlight);
        EXPECT_EQ(tip.Shows() ? tip.tool : -1, c.tool);
        EXPECT_EQ(tip.Shows() ? tip.text : "", c.text);
        EXPECT_EQ(tip.picture, c.picture);
    }
}
