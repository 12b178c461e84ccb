#include "store/language.h"

#include "fakes/fake_resources.h"
#include "platform/ui_strings.h"
#include "store/program_files.h"

#include <gtest/gtest.h>

namespace {

FakeResourceContent OwnStrings() {
    return {{{128, "Quillbox"},
             {2042, "Clear"},
             {2043, "#2042"},
             {3007, "Own 3007"},
             {3008, "Own 3008"},
             {3009, "Own 3009"},
             {3010, "#3099"}},
            {IDR_CONTEXT_MENU}};
}

FakeResourceContent GermanStrings() {
    return {{{3007, "Eigene 3007"}, {3008, "#3007"}, {3009, "#3010"}, {3011, "#0"}, {3012, "#12a"}},
            {}};
}

} // namespace

TEST(UiStringLookup, LibraryFirstThenOwnWithReferencesFollowedOnce) {
    FakeResourceModule own(OwnStrings());
    FakeResourceModule german(GermanStrings());

    EXPECT_EQ(ResolveUiString(3008, &german, own), "Eigene 3007"); // library's own reference
    EXPECT_EQ(ResolveUiString(128, &german, own), "Quillbox");     // missing there: own text
    EXPECT_EQ(ResolveUiString(2043, &german, own), "Clear");       // own reference
    EXPECT_EQ(ResolveUiString(2043, nullptr, own), "Clear");
    EXPECT_EQ(ResolveUiString(3008, nullptr, own), "Own 3008");
    // A reference into a string the library lacks lets the program's own text answer.
    EXPECT_EQ(ResolveUiString(3009, &german, own), "Own 3009");
    EXPECT_EQ(ResolveUiString(3010, nullptr, own), ""); // dangling own reference
    EXPECT_EQ(ResolveUiString(4000, &german, own), ""); // nowhere
    // Texts that only look like references are shown as they stand.
    EXPECT_EQ(ResolveUiString(3011, &german, own), "#0");
    EXPECT_EQ(ResolveUiString(3012, &german, own), "#12a");
}

TEST(UiStringLookup, ReferenceIsNotFollowedTwice) {
    FakeResourceModule own({{{1, "#2"}, {2, "#3"}, {3, "three"}}, {}});
    EXPECT_EQ(ResolveUiString(1, nullptr, own), "#3");
}

TEST(UiStringLookup, MenuFromTheLibraryOnlyWhenItHasOne) {
    FakeResourceModule own(OwnStrings());
    FakeResourceModule withMenu({{}, {IDR_CONTEXT_MENU}});
    FakeResourceModule without({{{1, "x"}}, {}});
    EXPECT_EQ(&UiMenuModule(IDR_CONTEXT_MENU, &withMenu, own), &withMenu);
    EXPECT_EQ(&UiMenuModule(IDR_CONTEXT_MENU, &without, own), &own);
    EXPECT_EQ(&UiMenuModule(IDR_CONTEXT_MENU, nullptr, own), &own);
}

class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetProgramPath("c:\\apps\\qb\\quillbox.exe");
        loader.libraries["c:\\apps\\qb\\QuillboxGerman.dll"] = GermanStrings();
        loader.libraries["c:\\apps\\qb\\QuillboxRussian.dll"] = {{{3007, "Russian 3007"}}, {}};
    }
    FakeLanguageLoader loader;
};

TEST_F(LanguageTest, LibraryNamesAndIndexRange) {
    EXPECT_EQ(LanguageLibraryPath(0), "c:\\apps\\qb\\QuillboxEnglish.dll");
    EXPECT_EQ(LanguageLibraryPath(2), "c:\\apps\\qb\\QuillboxHungarian.dll");
    EXPECT_EQ(LanguageLibraryPath(4), "c:\\apps\\qb\\QuillboxEnglish.dll");
    EXPECT_EQ(LanguageLibraryPath(-1), "c:\\apps\\qb\\QuillboxEnglish.dll");
}

TEST_F(LanguageTest, LoadingSwitchesTheTextsAndFreesTheOldLibrary) {
    uint8_t language = 0;
    CLanguageLibrary library;
    LoadLanguage(1, loader, language, library);
    EXPECT_EQ(language, 1);
    EXPECT_EQ(loader.live, 1);
    EXPECT_EQ(LoadUiString(3007), "Eigene 3007");

    LoadLanguage(3, loader, language, library);
    EXPECT_EQ(language, 3);
    EXPECT_EQ(loader.live, 1); // German freed
    EXPECT_EQ(LoadUiString(3007), "Russian 3007");

    // Hungarian is not there: English (own texts) and index 0.
    LoadLanguage(2, loader, language, library);
    EXPECT_EQ(language, 0);
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_EQ(loader.live, 0);
    EXPECT_EQ(UiLanguage(), nullptr);

    LoadLanguage(7, loader, language, library);
    EXPECT_EQ(language, 0);
}

TEST_F(LanguageTest, FreedLibraryIsNoLongerAsked) {
    uint8_t language = 0;
    {
        CLanguageLibrary library;
        LoadLanguage(1, loader, language, library);
        EXPECT_NE(UiLanguage(), nullptr);
    }
    EXPECT_EQ(UiLanguage(), nullptr);
    EXPECT_EQ(loader.live, 0);
}

TEST_F(LanguageTest, TestingLoadsAndFreesAndResetsOnlyTheCurrentIndex) {
    uint8_t language = 2;
    EXPECT_TRUE(TestLanguage(1, loader, language));
    EXPECT_EQ(loader.loads, 1);
    EXPECT_EQ(loader.live, 0);
    EXPECT_EQ(language, 2);

    EXPECT_FALSE(TestLanguage(0, loader, language)); // no English library
    EXPECT_EQ(language, 2);
    EXPECT_FALSE(TestLanguage(2, loader, language)); // the current one is missing
    EXPECT_EQ(language, 0);
}
