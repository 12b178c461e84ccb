// The program's collection store as start-up and shutdown use it, on a real folder.
#include "app/collection_store.h"

#include "app/service_wnd.h"
#include "fakes/fake_service_ports.h"
#include "platform/screen.h"
#include "platform/ui_strings.h"
#include "qbx_test_files.h"
#include "store/collection_file.h"
#include "store/collections.h"

#include <gtest/gtest.h>

namespace {

class FixedScreen final : public IScreen {
public:
    ScreenSize size{800, 600};
    ScreenSize Size() const override { return size; }
};

// A service with fake ports; only its members matter here.
struct Service : FakeServicePorts {
    CServiceWnd wnd{Ports(), 800, 1};
};

} // namespace

TEST(ProgramCollectionStore, StartsWithTheCreatedItemAndKeepsWhatWasSaved) {
    TempProgramFolder dir;
    static FixedScreen screen; // the store keeps the screen for the whole run
    ICollectionStore& store = ProgramCollectionStore(screen);

    Service first;
    store.LoadActiveCollection(first.wnd);
    ASSERT_EQ(first.wnd.m_activeList.size(), 1u);
    EXPECT_EQ(first.wnd.m_activeList[0]->text, LoadUiString(3062));
    EXPECT_EQ(first.wnd.m_ptHot.x, 800 - 120) << "no file: the preferences stay";

    first.wnd.m_activeList.push_back(CClipItem::FromText("second item"));
    first.wnd.m_nMaxItems = 33;
    first.wnd.m_ptHot = {790, 500};
    store.SaveActiveCollection(first.wnd);

    // The next start happens on a smaller screen.
    screen.size = {640, 480};
    Service next;
    store.LoadActiveCollection(next.wnd);
    ASSERT_EQ(next.wnd.m_activeList.size(), 2u);
    EXPECT_EQ(next.wnd.m_activeList[1]->text, "second item");
    EXPECT_EQ(next.wnd.m_nMaxItems, 33);
    EXPECT_EQ(next.wnd.m_ptHot.x, 640 - 120);
    EXPECT_EQ(next.wnd.m_ptHot.y, 60);
}

TEST(ProgramCollectionStore, ListsTheExternalCollectionsAndWritesModifiedOnes) {
    TempProgramFolder dir;
    static FixedScreen screen;
    ICollectionStore& store = ProgramCollectionStore(screen);
    auto work = CClipItem::NewCollection("Work");
    work->children.push_back(CClipItem::FromText("kept"));
    ASSERT_TRUE(SaveCollection(*work, CPreferences()));

    Service first;
    store.LoadCollections(first.wnd);
    ASSERT_EQ(first.wnd.m_collectionList.size(), 1u);
    AddToCollection(CClipItem::FromText("added"), *first.wnd.m_collectionList[0]);
    store.SaveModifiedCollections(first.wnd);

    Service next;
    store.LoadCollections(next.wnd);
    ASSERT_EQ(next.wnd.m_collectionList.size(), 1u);
    ASSERT_EQ(next.wnd.m_collectionList[0]->children.size(), 2u);
    EXPECT_EQ(next.wnd.m_collectionList[0]->children[0]->LoadText(), "added");
}
