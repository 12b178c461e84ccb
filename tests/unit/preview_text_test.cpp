// What the tip beside an open menu shows for the service's highlight.
#include "ui/preview_text.h"

#include <gtest/gtest.h>

#include "fakes/fake_service_ports.h"
#include "resource.h"

namespace {
class PreviewText : public ::testing::Test, protected FakeServicePorts {
protected:
    CServiceWnd service{Ports(), 1024, 0};
};
} // namespace

TEST_F(PreviewText, ItemsShowTheirPreviewPopupsTheirHelpText) {
    EXPECT_FALSE(TipSubjectOf(service).Shows()); // nothing highlighted

    auto item = CClipItem::FromText("  first line\n\n\n\nsecond line   ");
    service.m_nSelEntryId = 1;
    service.m_pSelItem = item.get();
    TipSubject tip = TipSubjectOf(service);
    EXPECT_TRUE(tip.Shows());
    EXPECT_EQ(tip.tool, 1);
    EXPECT_EQ(tip.text.front(), 'f');
    EXPECT_EQ(tip.text.back(), 'e');
    EXPECT_EQ(tip.picture, nullptr);

    item->preview = std::string(600, 'p');
    EXPECT_EQ(TipSubjectOf(service).text.size(), 511u);

    service.m_pSelItem = nullptr;
    service.m_nSelEntryId = ID_STATUS_COLLECTION;
    EXPECT_EQ(TipSubjectOf(service).text, "External menu");
    service.m_nSelEntryId = ID_STATUS_TIME;
    EXPECT_EQ(TipSubjectOf(service).text, "Time menu");
    // Entries without a help text (a time entry) show no tip.
    service.m_nSelEntryId = 17408;
    EXPECT_FALSE(TipSubjectOf(service).Shows());
    // A highlight that went away hides the tip even though the item is still remembered.
    service.m_pSelItem = item.get();
    service.m_nSelEntryId = -1;
    EXPECT_FALSE(TipSubjectOf(service).Shows());
}

TEST_F(PreviewText, BitmapsShowThemselves) {
    uint8_t counter = 0;
    std::vector<uint8_t> dib(44, 0);
    dib[0] = 40, dib[4] = 1, dib[8] = 1, dib[12] = 1, dib[14] = 32;
    auto bitmap = CClipItem::FromDib(dib, counter);
    bitmap->preview.clear();
    service.m_nSelEntryId = 2;
    service.m_pSelItem = bitmap.get();
    const TipSubject tip = TipSubjectOf(service);
    EXPECT_TRUE(tip.Shows());
    EXPECT_TRUE(tip.text.empty());
    EXPECT_EQ(tip.picture, bitmap.get());
}

TEST_F(PreviewText, ContextMenusShowTheHelpOfTheirEntries) {
    auto item = CClipItem::FromText("an item");
    service.m_nSelEntryId = 1;
    service.m_pSelItem = item.get();
    service.m_hTrackedMenu = 0xCC;
    service.m_nSelId = ID_PRINT;
    EXPECT_EQ(TipSubjectOf(service).text, "Print selected item");
    EXPECT_EQ(TipSubjectOf(service).tool, ID_PRINT);
    // Small ids are positions of popups, not texts.
    service.m_nSelId = 3;
    EXPECT_FALSE(TipSubjectOf(service).Shows());
    service.m_nSelId = -1;
    EXPECT_FALSE(TipSubjectOf(service).Shows());
}
