#include "store/language.h"

#include "fakes/fake_resources.h"
#include "platform/ui_strings.h"
#include "store/program_files.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

FakeResourceContent OwnStrings() {
    return {{{128, "Quillbox"},
             {2042, "Clear"},
             {2043, "#2042"},
             {3007, "Own 3007"},
             {3008, "Own 3008"},
             {3009, "Own 3009"},
             {3010, "#3099"},
             {3013, "#3014"},
             {3014, "#3007"}},
            {IDR_CONTEXT_MENU}};
}

FakeResourceContent GermanStrings() {
    return {{{3007, "Eigene 3007"},
             {3008, "#3007"},
             {3009, "#3010"},
             {3011, "#0"},
             {3012, "#12a"},
             {3015, "#65536"}},
            {}};
}

} // namespace

TEST(UiStringLookup, LibraryFirstThenOwnWithReferencesFollowedOnce) {
    FakeResourceModule own(OwnStrings());
    FakeResourceModule german(GermanStrings());
    const struct {
        unsigned id;
        bool library;
        const char* text;
    } cases[] = {
        {3008, true, "Eigene 3007"}, // the library's own reference
        {128, true, "Quillbox"},     // missing there: own text
        {2043, true, "Clear"},       // own reference
        {3008, false, "Own 3008"},
        // A reference into a string the library lacks lets the program's own text answer.
        {3009, true, "Own 3009"},
        {3010, false, ""},      // dangling own reference
        {4000, true, ""},       // nowhere
        {3013, false, "#3007"}, // a reference is followed once, not twice
        // Texts that only look like references are shown as they stand.
        {3011, true, "#0"},
        {3012, true, "#12a"},
        {3015, true, "#65536"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResolveUiString(c.id, c.library ? &german : nullptr, own), c.text) << c.id;

    FakeResourceModule withMenu({{}, {IDR_CONTEXT_MENU}});
    EXPECT_EQ(&UiMenuModule(IDR_CONTEXT_MENU, &withMenu, own), &withMenu);
    EXPECT_EQ(&UiMenuModule(IDR_CONTEXT_MENU, &german, own), &own);
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

TEST_F(LanguageTest, LoadingSwitchesTheTextsAndFreesTheOldLibrary) {
    EXPECT_EQ(LanguageLibraryPath(2), "c:\\apps\\qb\\QuillboxHungarian.dll");
    for (int outOfRange : {-1, 4})
        EXPECT_EQ(LanguageLibraryPath(outOfRange), "c:\\apps\\qb\\QuillboxEnglish.dll");
    uint8_t language = 0;
    const std::string own = LoadUiString(3007);
    // The index, the text of 3007, the libraries loaded and whether one answers.
    const auto state = [&] {
        return std::make_tuple(int(language), LoadUiString(3007), loader.live,
                               UiLanguage() != nullptr);
    };
    {
        CLanguageLibrary library;
        LoadLanguage(1, loader, language, library);
        EXPECT_EQ(state(), std::make_tuple(1, "Eigene 3007", 1, true));
        LoadLanguage(3, loader, language, library); // German freed
        EXPECT_EQ(state(), std::make_tuple(3, "Russian 3007", 1, true));
        // Hungarian is not there: English (own texts) and index 0.
        LoadLanguage(2, loader, language, library);
        EXPECT_EQ(state(), std::make_tuple(0, own, 0, false));
        EXPECT_FALSE(library.IsLoaded());
        LoadLanguage(1, loader, language, library);
        EXPECT_NE(UiLanguage(), nullptr);
    }
    EXPECT_EQ(state(), std::make_tuple(1, own, 0, false)) << "a freed library is not asked";

    // An index out of range means English.
    loader.libraries["c:\\apps\\qb\\QuillboxEnglish.dll"] = {{{3007, "English 3007"}}, {}};
    CLanguageLibrary english;
    LoadLanguage(7, loader, language, english);
    EXPECT_EQ(language, 0);
    EXPECT_EQ(LoadUiString(3007), "English 3007");
}

TEST_F(LanguageTest, TestingLoadsAndFreesAndResetsOnlyTheCurrentIndex) {
    uint8_t language = 2;
    EXPECT_TRUE(TestLanguage(1, loader, language));
    EXPECT_EQ(std::make_tuple(loader.loads, loader.live, int(language)), std::make_tuple(1, 0, 2));

    EXPECT_FALSE(TestLanguage(0, loader, language)); // no English library
    EXPECT_EQ(language, 2);
    EXPECT_FALSE(TestLanguage(2, loader, language)); // the current one is missing
    EXPECT_EQ(language, 0);
}
