#pragma once
// The menu font made from the "Font" setting, and the font dialog that changes it.
#include "platform/ini_file.h"
#include "platform/registry.h"
#include "store/setting_values.h"

#include <windows.h>

int ScreenDpiY();
LOGFONTA ToLogFont(const FontDescription& font);
FontDescription FromLogFont(const LOGFONTA& lf);

// A new font from the "Font" setting (default "MS Sans Serif,8"); the caller deletes it.
HFONT CreateMenuFont(const IIniFile& ini);

// Shows the font dialog for screen fonts, starting from `current`. On OK stores the chosen
// face, size, character set and italic flag as the "Font" setting and returns true; the
// caller then makes the new font with CreateMenuFont and rebuilds the menus.
bool ChooseMenuFont(HWND owner, HFONT current, IIniFile& ini, IRegistry& registry);
