// Language libraries built as resource-only DLLs (tests/win32/lang), read through the real
// resource functions. Which text wins is the portable lookup's rule, and that a library's own
// menus are shown, the end-to-end script proves; here: a library's text in the code page, the
// program's menus where the library has none, and a file that is no library refused.
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
    char exe[MAX_PATH + 1] = "";
    std::string path(exe, GetModuleFileNameA(nullptr, exe, MAX_PATH));
    path = path.substr(0, path.find_last_of('\\')) + "\\testlang\\QuillboxGerman.dll";
    Win32LanguageLoader loader;
    auto german = loader.Load(path);
    ASSERT_TRUE(german) << "test library missing: " << path;
    const IResourceModule& own = ProgramResources();
    if (GetACP() == 1252) {
        EXPECT_EQ(ResolveUiString(3020, german.get(), own), "Gr\xFC\xDF"
                                                            "e");
    }
    const std::string ownMenu = FirstMenuText(LoadMenuFrom(IDR_CONTEXT_MENU, nullptr, own));
    EXPECT_FALSE(ownMenu.empty());
    EXPECT_EQ(FirstMenuText(LoadMenuFrom(IDR_CONTEXT_MENU, german.get(), own)), ownMenu);
}

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
