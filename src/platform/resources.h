#pragma once
// Resource modules: the program's own resources and the language libraries, which hold
// a string table and perhaps their own context menu.
// Implemented in src/win32/port (modules) and src/posix (the native string table).
#include <memory>
#include <string>

class IResourceModule {
public:
    virtual ~IResourceModule() = default;
    // The string with that id; false when the module has none or it is empty.
    virtual bool LoadText(unsigned id, std::string& text) const = 0;
    virtual bool HasMenu(unsigned id) const = 0;
};

// Loads language libraries. A library stays loaded while its module object lives.
class ILanguageLoader {
public:
    virtual ~ILanguageLoader() = default;
    // Null when the file is missing or is no resource module.
    virtual std::unique_ptr<IResourceModule> Load(const std::string& path) = 0;
};

// The program's own resources (the executable's, or the native copy of its string table).
const IResourceModule& ProgramResources();
