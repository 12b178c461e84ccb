#pragma once
// Resource modules on Windows: the executable itself and language libraries, which are
// mapped as data files so that no code of theirs runs.
#include "platform/resources.h"

#include <windows.h>

class Win32ResourceModule : public IResourceModule {
public:
    // `owned`: the module was loaded for this object and is freed with it.
    Win32ResourceModule(HMODULE module, bool owned) : m_module(module), m_owned(owned) {}
    ~Win32ResourceModule() override;
    Win32ResourceModule(const Win32ResourceModule&) = delete;
    Win32ResourceModule& operator=(const Win32ResourceModule&) = delete;

    bool LoadText(unsigned id, std::string& text) const override;
    bool HasMenu(unsigned id) const override;
    HMODULE Handle() const { return m_module; }

private:
    HMODULE m_module;
    bool m_owned;
};

class Win32LanguageLoader : public ILanguageLoader {
public:
    std::unique_ptr<IResourceModule> Load(const std::string& path) override;
};

// Menu `id` from the library when it holds one, else from `own`; null when neither has it.
HMENU LoadMenuFrom(unsigned id, const IResourceModule* library, const IResourceModule& own);

// The context menu (resource 128) of the language in force; the caller destroys it.
HMENU LoadUiMenu();
