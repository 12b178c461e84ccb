// The program's own texts in the native build: the string table of the resource script,
// turned into a C++ table at build time (cmake/rc_strings.py).
#include "platform/resources.h"

#include <map>

namespace {

class NativeStringTable : public IResourceModule {
public:
    bool LoadText(unsigned id, std::string& text) const override {
        static const std::map<unsigned, std::string> table = {
#include "ui_strings_table.inc"
        };
        auto it = table.find(id);
        if (it == table.end() || it->second.empty())
            return false;
        text = it->second;
        return true;
    }
    // Menus exist only in the Windows program.
    bool HasMenu(unsigned) const override {
        return false;
    }
};

} // namespace

const IResourceModule& ProgramResources() {
    static const NativeStringTable table;
    return table;
}
