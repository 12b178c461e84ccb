#include "store/language.h"

#include "platform/ui_strings.h"
#include "store/program_files.h"

namespace {

const char* const kLanguageNames[LANGUAGE_COUNT] = {"English", "German", "Hungarian", "Russian"};

// "#" followed by a decimal string id, and nothing else.
bool ParseReference(const std::string& text, unsigned& id) {
    if (text.size() < 2 || text.size() > 6 || text[0] != '#')
        return false;
    unsigned value = 0;
    for (size_t i = 1; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
    }
    if (value == 0 || value > 0xFFFF) // string ids are 16 bits
        return false;
    id = value;
    return true;
}

// One module's text for `id`, with a "#N" reference followed once within that module.
bool LoadFromModule(unsigned id, const IResourceModule& module, std::string& text) {
    if (!module.LoadText(id, text))
        return false;
    unsigned ref = 0;
    if (!ParseReference(text, ref))
        return true;
    // A reference to a string the module lacks would show an empty text; let the next
    // module answer instead.
    return module.LoadText(ref, text);
}

} // namespace

int ValidLanguageIndex(int index) {
    return index >= 0 && index < LANGUAGE_COUNT ? index : 0;
}

const char* LanguageName(int index) {
    return kLanguageNames[ValidLanguageIndex(index)];
}

std::string LanguageLibraryPath(int index) {
    return ProgramFilePath(std::string("Quillbox") + LanguageName(index) + ".dll");
}

std::string ResolveUiString(unsigned id, const IResourceModule* library,
                            const IResourceModule& own) {
    std::string text;
    if (library && LoadFromModule(id, *library, text))
        return text;
    if (LoadFromModule(id, own, text))
        return text;
    return std::string();
}

const IResourceModule& UiMenuModule(unsigned id, const IResourceModule* library,
                                    const IResourceModule& own) {
    return library && library->HasMenu(id) ? *library : own;
}

CLanguageLibrary::~CLanguageLibrary() {
    Free();
}

bool CLanguageLibrary::Load(ILanguageLoader& loader, const std::string& path) {
    Free();
    m_module = loader.Load(path);
    if (m_module)
        SetUiLanguage(m_module.get());
    return m_module != nullptr;
}

void CLanguageLibrary::Free() {
    if (!m_module)
        return;
    // Texts must not be looked up in a library that is gone.
    if (UiLanguage() == m_module.get())
        SetUiLanguage(nullptr);
    m_module.reset();
}

void LoadLanguage(int index, ILanguageLoader& loader, uint8_t& language,
                  CLanguageLibrary& library) {
    index = ValidLanguageIndex(index);
    language = static_cast<uint8_t>(index);
    if (!library.Load(loader, LanguageLibraryPath(index)))
        language = 0;
}

bool TestLanguage(int index, ILanguageLoader& loader, uint8_t& language) {
    index = ValidLanguageIndex(index);
    bool loaded = loader.Load(LanguageLibraryPath(index)) != nullptr;
    if (!loaded && index == language)
        language = 0;
    return loaded;
}
