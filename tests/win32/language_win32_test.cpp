// Language libraries built as resource-only DLLs (tests/win32/lang), looked up through the
// real resource functions.
#include "win32/port/resources_win32.h"

#include "platform/ui_strings.h"
#include "store/language.h"
#include "store/program_files.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace {

class LanguageWin32Test : public ::testing::Test {
protected:
    void SetUp() override {
        folder = TestProgramFolder() + "\\testlang";
        SetProgramPath(folder + "\\quillbox.exe");
        german = loader.Load(folder + "\\QuillboxGerman.dll");
        russian = loader.Load(folder + "\\QuillboxRussian.dll");
        own = loader.Load(folder + "\\TestOwnResources.dll");
        ASSERT_TRUE(german && russian && own) << "test libraries missing in " << folder;
    }
    std::string MenuText(HMENU menu) {
        HMENU popup = menu ? GetSubMenu(menu, 0) : nullptr;
        char text[64] = "";
        if (popup)
            GetMenuStringA(popup, 0, text, sizeof text, MF_BYPOSITION);
        return text;
    }

    std::string folder;
    Win32LanguageLoader loader;
    std::unique_ptr<IResourceModule> german, russian, own;
};

} // namespace

TEST_F(LanguageWin32Test, TextsFromTheLibraryWithReferencesAndFallback) {
    EXPECT_EQ(ResolveUiString(3007, german.get(), *own), "Deutsch 3007");
    EXPECT_EQ(ResolveUiString(3008, german.get(), *own), "Deutsch 3007"); // "#3007"
    EXPECT_EQ(ResolveUiString(3009, german.get(), *own), "Own 3009");     // dangling "#3999"
    EXPECT_EQ(ResolveUiString(2043, german.get(), *own), "Clear");        // lacking: own "#2042"
    EXPECT_EQ(ResolveUiString(3008, russian.get(), *own), "Own 3008");
    EXPECT_EQ(ResolveUiString(4242, german.get(), *own), "");
    // Whole texts, not cut to a buffer.
    std::string longText = ResolveUiString(3050, nullptr, *own);
    EXPECT_EQ(longText.size(), 300u);
    EXPECT_EQ(longText.substr(0, 10), "Long text ");
}

TEST_F(LanguageWin32Test, TextsAreInTheAnsiCodePage) {
    if (GetACP() != 1252)
        GTEST_SKIP() << "ANSI code page is " << GetACP() << ", not 1252";
    EXPECT_EQ(ResolveUiString(3020, german.get(), *own), "Gr\xFC\xDF"
                                                         "e");
}

TEST_F(LanguageWin32Test, ContextMenuFromTheLibraryOnlyWhenItHasOne) {
    HMENU menu = LoadMenuFrom(IDR_CONTEXT_MENU, german.get(), *own);
    EXPECT_EQ(MenuText(menu), "Deutsch");
    DestroyMenu(menu);
    menu = LoadMenuFrom(IDR_CONTEXT_MENU, russian.get(), *own);
    EXPECT_EQ(MenuText(menu), "Own");
    DestroyMenu(menu);
    menu = LoadMenuFrom(IDR_CONTEXT_MENU, nullptr, *own);
    EXPECT_EQ(MenuText(menu), "Own");
    DestroyMenu(menu);
}

TEST_F(LanguageWin32Test, LoadLanguageFromTheProgramFolder) {
    uint8_t language = 0;
    CLanguageLibrary library;
    LoadLanguage(1, loader, language, library);
    EXPECT_EQ(language, 1);
    ASSERT_TRUE(library.IsLoaded());
    EXPECT_EQ(LoadUiString(3008), "Deutsch 3007");
    HMENU menu = LoadUiMenu();
    EXPECT_EQ(MenuText(menu), "Deutsch");
    DestroyMenu(menu);

    // Hungarian is missing, and a broken file is no library: English stays in force.
    EXPECT_FALSE(TestLanguage(2, loader, language));
    LoadLanguage(2, loader, language, library);
    EXPECT_EQ(language, 0);
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_EQ(UiLanguage(), nullptr);

    TempFolder temp;
    WriteTextFile(temp / "QuillboxRussian.dll", "not a library");
    SetProgramPath(temp / "quillbox.exe");
    language = 3;
    EXPECT_FALSE(TestLanguage(3, loader, language));
    EXPECT_EQ(language, 0);
    LoadLanguage(3, loader, language, library);
    EXPECT_FALSE(library.IsLoaded());
}
