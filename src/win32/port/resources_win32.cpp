#include "win32/port/resources_win32.h"

Win32ResourceModule::~Win32ResourceModule() {
    if (m_owned && m_module)
        FreeLibrary(m_module);
}

bool Win32ResourceModule::LoadText(unsigned id, std::string& text) const {
    if (id > 0xFFFF)
        return false;
    // Strings lie in blocks of 16, each a count of UTF-16 units followed by the units.
    // Walked with bounds checks, since a language library is a file from anywhere.
    HRSRC res = FindResourceW(m_module, MAKEINTRESOURCEW((id >> 4) + 1),
                              reinterpret_cast<LPCWSTR>(RT_STRING));
    if (!res)
        return false;
    HGLOBAL mem = LoadResource(m_module, res);
    const WCHAR* p = mem ? static_cast<const WCHAR*>(LockResource(mem)) : nullptr;
    if (!p)
        return false;
    const size_t units = SizeofResource(m_module, res) / sizeof(WCHAR);
    size_t pos = 0;
    for (unsigned i = 0; i < (id & 15); ++i) {
        if (pos >= units)
            return false;
        pos += 1 + p[pos];
    }
    if (pos >= units)
        return false;
    const size_t len = p[pos];
    if (len == 0 || pos + 1 + len > units)
        return false;
    const WCHAR* s = p + pos + 1;
    int n = WideCharToMultiByte(CP_ACP, 0, s, static_cast<int>(len), nullptr, 0, nullptr, nullptr);
    if (n <= 0)
        return false;
    text.assign(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, s, static_cast<int>(len), &text[0], n, nullptr, nullptr);
    return true;
}

bool Win32ResourceModule::HasMenu(unsigned id) const {
    return id <= 0xFFFF && FindResourceA(m_module, MAKEINTRESOURCEA(id), RT_MENU) != nullptr;
}

std::unique_ptr<IResourceModule> Win32LanguageLoader::Load(const std::string& path) {
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        return nullptr;
    return std::make_unique<Win32ResourceModule>(module, true);
}

const IResourceModule& ProgramResources() {
    static const Win32ResourceModule own(GetModuleHandleA(nullptr), false);
    return own;
}
