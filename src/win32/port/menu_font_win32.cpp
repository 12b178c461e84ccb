#include "win32/port/menu_font_win32.h"

#include "store/settings.h"
#include "win32/handles.h"

#include <commdlg.h>

#include <cstring>

int ScreenDpiY() {
    const WindowDC screen(nullptr);
    const int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : 96;
}

LOGFONTA ToLogFont(const FontDescription& font) {
    LOGFONTA lf = {};
    lf.lfHeight = font.height;
    lf.lfCharSet = font.charSet;
    lf.lfItalic = font.italic;
    size_t n = font.faceName.size() < LF_FACESIZE - 1 ? font.faceName.size() : LF_FACESIZE - 1;
    std::memcpy(lf.lfFaceName, font.faceName.data(), n);
    return lf;
}

FontDescription FromLogFont(const LOGFONTA& lf) {
    FontDescription font;
    font.faceName.assign(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
    font.height = lf.lfHeight;
    font.charSet = lf.lfCharSet;
    font.italic = lf.lfItalic;
    return font;
}

HFONT CreateMenuFont(const IIniFile& ini) {
    std::string value = ReadSetting(ini, FONT_SETTING, FONT_SETTING_DEFAULT);
    LOGFONTA lf = ToLogFont(ParseFontSetting(value, ScreenDpiY()));
    return CreateFontIndirectA(&lf);
}

bool ChooseMenuFont(HWND owner, HFONT current, IIniFile& ini, IRegistry& registry) {
    LOGFONTA lf = {};
    if (current)
        GetObjectA(current, sizeof lf, &lf);
    CHOOSEFONTA cf = {};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = owner;
    cf.lpLogFont = &lf;
    cf.Flags = CF_SCREENFONTS | (current ? CF_INITTOLOGFONTSTRUCT : 0);
    if (!ChooseFontA(&cf))
        return false;
    WriteSetting(ini, registry, FONT_SETTING, FormatFontSetting(FromLogFont(lf), ScreenDpiY()));
    return true;
}
