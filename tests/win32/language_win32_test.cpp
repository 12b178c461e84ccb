// Language libraries built as resource-only DLLs (tests/win32/lang), read through the real
// resource functions. Which text wins is the portable lookup's rule; here: that a library's
// texts and menus are read whole, and that a file that is no library is refused.
#include "win32/port/resources_win32.h"

#include "platform/ui_strings.h"
#include "store/language.h"
#include "store/program_files.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace {

std::string FirstMenuText(HMENU menu) {
    char text[64] = "";
    GetMenuStringA(GetSubMenu(menu, 0), 0, text, sizeof text, MF_BYPOSITION);
    DestroyMenu(menu);
    return text;
}

} // namespace

TEST(LanguageWin32, TextsAndMenusComeFromTheLibraries) {
    const std::string folder = TestProgramFolder() + "\\testlang";
    Win32LanguageLoader loader;
    auto german = loader.Load(folder + "\\QuillboxGerman.dll");
    auto russian = loader.Load(folder + "\\QuillboxRussian.dll");
    auto own = loader.Load(folder + "\\TestOwnResources.dll");
    ASSERT_TRUE(german && russian && own) << "test libraries missing in " << folder;

    EXPECT_EQ(ResolveUiString(3008, german.get(), *own), "Deutsch 3007"); // "#3007"
    EXPECT_EQ(ResolveUiString(3008, russian.get(), *own), "Own 3008");
    const std::string longText = ResolveUiString(3050, nullptr, *own);
    EXPECT_EQ(longText.size(), 300u) << "whole texts, not cut to a buffer";
    if (GetACP() == 1252) {
        EXPECT_EQ(ResolveUiString(3020, german.get(), *own), "Gr\xFC\xDF"
                                                             "e");
    }
    EXPECT_EQ(FirstMenuText(LoadMenuFrom(IDR_CONTEXT_MENU, german.get(), *own)), "Deutsch");
    EXPECT_EQ(FirstMenuText(LoadMenuFrom(IDR_CONTEXT_MENU, russian.get(), *own)), "Own");
}

// (The German library beside the program is chosen and read by the end-to-end script.)
TEST(LanguageWin32, AFileThatIsNoLibraryIsRefused) {
    TempFolder temp;
    WriteTextFile(temp / "QuillboxRussian.dll", "not a library");
    SetProgramPath(temp / "quillbox.exe");
    Win32LanguageLoader loader;
    uint8_t language = 3;
    CLanguageLibrary library;
    LoadLanguage(3, loader, language, library);
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_EQ(language, 0);
}
