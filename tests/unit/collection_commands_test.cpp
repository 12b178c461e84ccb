#include "app/collection_commands.h"

#include <gtest/gtest.h>

#include "fakes/fake_prompts.h"
#include "platform/files.h"
#include "platform/win_constants.h"
#include "store/collection_list.h"
#include "store/collections.h"
#include "unit/qbx_test_files.h"

namespace {

const ScreenSize kScreen{1024, 768};

class Commands : public ::testing::Test {
protected:
    Commands() {
        active.push_back(CClipItem::FromText("first cut"));
        active.push_back(CClipItem::FromText("second cut"));
        EXPECT_TRUE(SaveActiveCollection(prefs, active));
    }
    void Answer(InputResult result, const std::string& text = "", bool check = true) {
        prompts.inputs.push_back({result, text, check});
    }
    // What the program does after a command that asks for it.
    void Finish(CommandEnd end) {
        if (end == CommandEnd::SaveAndReload) {
            ASSERT_TRUE(SaveAndReload(prefs, active, collections, kScreen));
        }
    }
    void AddCollection(const std::string& name, const std::vector<std::string>& texts) {
        auto node = CClipItem::NewCollection(name);
        for (const auto& t : texts)
            node->children.push_back(CClipItem::FromText(t));
        ASSERT_TRUE(SaveCollection(*node, prefs));
        collections.clear();
        LoadCollections(collections);
    }
    std::vector<std::string> TextsOf(const std::string& name) {
        std::vector<std::string> out;
        if (CClipItem* c = FindCollection(collections, name))
            for (auto& item : c->children)
                out.push_back(item->LoadText());
        return out;
    }

    TempProgramFolder folder;
    CPreferences prefs;
    ClipList active;
    ClipList collections;
    FakePrompts prompts;
    CollectionCommands commands{prefs, active, collections, prompts};
};

} // namespace

TEST_F(Commands, NewCollectionCopiesTheActiveOneWhenTicked) {
    Answer(InputResult::Ok, "Copy", true);
    EXPECT_EQ(commands.NewCollection(), CommandEnd::RebuildMenus);
    EXPECT_EQ(TextsOf("Copy"), (std::vector<std::string>{"first cut", "second cut"}));
    Finish(CommandEnd::SaveAndReload);
    EXPECT_EQ(active.size(), 2u) << "the active collection keeps its items";
    EXPECT_EQ(TextsOf("Copy"), (std::vector<std::string>{"first cut", "second cut"}));
}

TEST_F(Commands, NewCollectionRefusesCancelBadNamesAndTakenNames) {
    AddCollection("Work", {"w1"});
    WriteAll(folder.Path("Odd.qbx"), Bytes{1, 2, 3}); // not ours: never overwritten
    Answer(InputResult::Cancel, "Ignored");
    Answer(InputResult::Ok, "   ");
    Answer(InputResult::Ok, "..\\Outside", false);
    Answer(InputResult::Ok, "Clipboard", false);
    Answer(InputResult::Ok, "work", false);
    Answer(InputResult::Ok, "Odd", false);
    Answer(InputResult::Ok, "Work", true);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(commands.NewCollection(), CommandEnd::Nothing) << "answer " << i;
    EXPECT_EQ(collections.size(), 1u);
    EXPECT_EQ(TextsOf("Work"), (std::vector<std::string>{"w1"}));
    EXPECT_EQ(ReadAll(folder.Path("Odd.qbx")), (Bytes{1, 2, 3}));
    EXPECT_FALSE(files::Exists(folder.Path("Ignored.qbx")));
    EXPECT_EQ(ReadAll(folder.Path("Clipboard.qbx")).size() > 40, true);
}

TEST_F(Commands, RenameCollectionMovesTheFileUnlessRefused) {
    AddCollection("Work", {"w1"});
    AddCollection("Home", {"h1"});
    Answer(InputResult::Ok, "WORK");    // letter case only
    Answer(InputResult::Ok, "Home");    // taken
    Answer(InputResult::Ok, "sub/dir"); // not a file name
    Answer(InputResult::Cancel, "Other");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(commands.RenameCollection("Work"), CommandEnd::SaveAndReload) << i;
    Answer(InputResult::Closed, "Other");
    EXPECT_EQ(commands.RenameCollection("Work"), CommandEnd::Nothing);
    EXPECT_EQ(prompts.asked[0].initialText, "Work");
    Finish(CommandEnd::SaveAndReload);
    EXPECT_EQ(TextsOf("Work"), (std::vector<std::string>{"w1"}));
    EXPECT_EQ(TextsOf("Home"), (std::vector<std::string>{"h1"}));
    EXPECT_TRUE(files::Exists(folder.Path("Work.qbx")));

    Answer(InputResult::Ok, "Projects");
    Finish(commands.RenameCollection("Work"));
    EXPECT_FALSE(files::Exists(folder.Path("Work.qbx")));
    EXPECT_EQ(TextsOf("Projects"), (std::vector<std::string>{"w1"}));
}

TEST_F(Commands, RenameItemMarksItsCollection) {
    AddCollection("Work", {"w1", "w2"});
    CClipItem* item = collections[0]->children[1].get();
    const std::string before = item->caption;
    Answer(InputResult::Ok, "Renamed <*>");
    EXPECT_EQ(commands.RenameItem(*item), CommandEnd::SaveAndReload);
    EXPECT_EQ(prompts.asked[0].initialText, before);
    EXPECT_TRUE(collections[0]->flags & CLIP_MODIFIED);
    Finish(CommandEnd::SaveAndReload);
    EXPECT_EQ(collections[0]->children[1]->caption, "Renamed <*>");
    EXPECT_EQ(collections[0]->children[1]->LoadText(), "w2");

    CClipItem* cut = active[0].get();
    const std::string caption = cut->caption;
    Answer(InputResult::Ok, " \t ");
    EXPECT_EQ(commands.RenameItem(*cut), CommandEnd::SaveAndReload);
    EXPECT_EQ(cut->caption, caption);
}

TEST_F(Commands, DeleteItemFromACollectionOrTheActiveList) {
    AddCollection("Work", {"w1", "w2"});
    EXPECT_EQ(commands.DeleteItem(collections[0]->children[0].get()), CommandEnd::SaveAndReload);
    EXPECT_TRUE(collections[0]->flags & CLIP_MODIFIED);
    EXPECT_EQ(commands.DeleteItem(active[1].get()), CommandEnd::SaveAndReload);
    Finish(CommandEnd::SaveAndReload);
    EXPECT_EQ(TextsOf("Work"), (std::vector<std::string>{"w2"}));
    ASSERT_EQ(active.size(), 1u);
    EXPECT_EQ(active[0]->text, "first cut");
}

TEST_F(Commands, DeleteCollectionKeepsABackupAndANewOneStartsEmpty) {
    AddCollection("Work", {"w1"});
    prompts.box.answers = {win::IDNO, win::IDYES};
    EXPECT_EQ(commands.DeleteCollection("Work"), CommandEnd::Nothing);
    EXPECT_EQ(prompts.box.shown.at(0).text, "Are you sure you wish to remove collection [Work]?");
    EXPECT_TRUE(files::Exists(folder.Path("Work.qbx")));

    // Modified but deleted: saving must not bring it back.
    AddToCollection(CClipItem::FromText("late"), *collections[0]);
    Finish(commands.DeleteCollection("Work"));
    EXPECT_TRUE(collections.empty());
    EXPECT_FALSE(files::Exists(folder.Path("Work.qbx")));
    EXPECT_TRUE(files::Exists(folder.Path("Work.bak")));

    Answer(InputResult::Ok, "Work", false);
    EXPECT_EQ(commands.NewCollection(), CommandEnd::RebuildMenus);
    EXPECT_TRUE(prompts.asked.back().hadCheck && prompts.asked.back().initialCheck);
    EXPECT_EQ(ReadAll(folder.Path("Work.qbx")).size(), 40u) << "a header only";
    Finish(CommandEnd::SaveAndReload);
    ASSERT_EQ(collections.size(), 1u);
    EXPECT_TRUE(collections[0]->children.empty());
    EXPECT_EQ(active.size(), 2u);
}

TEST_F(Commands, RemoveAllAsksAboutTheRightCollection) {
    AddCollection("100%s", {"x"});
    prompts.box.answers = {win::IDNO, win::IDNO, win::IDYES};
    EXPECT_EQ(commands.RemoveAll(*collections[0]->children[0]), CommandEnd::Nothing);
    EXPECT_EQ(prompts.box.shown[0].text, "Are you sure you wish to remove collection [100%s]?");

    EXPECT_EQ(commands.RemoveAll(*active[0]), CommandEnd::Nothing);
    EXPECT_EQ(prompts.box.shown[1].text,
              "Are you sure you wish to remove all items from active collection?");
    EXPECT_EQ(active.size(), 2u);

    Finish(commands.ClearActive());
    EXPECT_TRUE(active.empty());
    EXPECT_EQ(ReadAll(folder.Path("Clipboard.qbx")).size(), 40u);
}
