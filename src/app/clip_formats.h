#pragma once
// Clipboard formats the program registers by name at start-up. Their numbers are known only
// at run time; 0 until registered.
extern unsigned g_cfRtf;
extern unsigned g_cfHtml;
extern unsigned g_cfFileName;
extern unsigned g_cfDropEffect;

constexpr const char* CF_NAME_RTF = "Rich Text Format";
constexpr const char* CF_NAME_HTML = "HTML format";
constexpr const char* CF_NAME_FILENAME = "FileName";
constexpr const char* CF_NAME_DROPEFFECT = "Preferred DropEffect";
