// LoadUiString: the loaded language library first, then the program's own strings.
#include "platform/ui_strings.h"

#include "platform/resources.h"
#include "store/language.h"

namespace {
// The library in force, like the framework's current resource module: one per process.
const IResourceModule*& CurrentLanguage() {
    static const IResourceModule* library = nullptr;
    return library;
}
} // namespace

void SetUiLanguage(const IResourceModule* library) {
    CurrentLanguage() = library;
}

const IResourceModule* UiLanguage() {
    return CurrentLanguage();
}

std::string LoadUiString(unsigned id) {
    return ResolveUiString(id, CurrentLanguage(), ProgramResources());
}
