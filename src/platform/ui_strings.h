#pragma once
// Every user-visible text is a numbered string: from the loaded language library first,
// then from the program's own string table. A text "#N" stands for string N.
#include <string>

class IResourceModule;

std::string LoadUiString(unsigned id);

// The language library that LoadUiString (and the menu loading) look in first; null for
// none. CLanguageLibrary keeps it in step with the library it holds.
void SetUiLanguage(const IResourceModule* library);
const IResourceModule* UiLanguage();
