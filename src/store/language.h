#pragma once
// Interface languages: the language libraries "Quillbox<Name>.dll" in the program folder,
// and the rules by which texts and the context menu are looked up in them.
#include "platform/resources.h"

#include <cstdint>
#include <memory>
#include <string>

constexpr int LANGUAGE_COUNT = 4;
constexpr unsigned IDR_CONTEXT_MENU = 128; // the menu a language library may replace

// "English", "German", "Hungarian", "Russian"; an index outside 0..3 counts as 0.
int ValidLanguageIndex(int index);
const char* LanguageName(int index);
// The library's path in the program folder.
std::string LanguageLibraryPath(int index);

// The text of `id`: from `library` (may be null) if it has it, else from `own`. A text made
// of "#" and a number stands for that string of the same module; the reference is followed
// once. A string found nowhere is empty.
std::string ResolveUiString(unsigned id, const IResourceModule* library,
                            const IResourceModule& own);

// The module a menu is loaded from: the library when it holds that menu, else `own`.
const IResourceModule& UiMenuModule(unsigned id, const IResourceModule* library,
                                    const IResourceModule& own);

// The loaded language library (the service window's m_hLangDll). While it holds a library,
// LoadUiString looks there first.
class CLanguageLibrary {
public:
    CLanguageLibrary() = default;
    ~CLanguageLibrary();
    CLanguageLibrary(const CLanguageLibrary&) = delete;
    CLanguageLibrary& operator=(const CLanguageLibrary&) = delete;

    // Frees the library held, then loads the one at `path`; false when that fails.
    bool Load(ILanguageLoader& loader, const std::string& path);
    void Free();
    bool IsLoaded() const { return m_module != nullptr; }
    const IResourceModule* Module() const { return m_module.get(); }

private:
    std::unique_ptr<IResourceModule> m_module;
};

// Sets `language` to the index (0 when outside 0..3) and loads that language's library into
// `library`; when it cannot be loaded, no library is held and `language` becomes 0.
void LoadLanguage(int index, ILanguageLoader& loader, uint8_t& language, CLanguageLibrary& library);

// Whether the language's library can be loaded (it is freed again at once). When it cannot
// and the index is the current `language`, `language` becomes 0.
bool TestLanguage(int index, ILanguageLoader& loader, uint8_t& language);
