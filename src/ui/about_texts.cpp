#include "ui/about_texts.h"

#include "platform/ui_strings.h"
#include "resource.h"

namespace {

struct StandardFormat {
    unsigned number;
    const char* name;
};

const StandardFormat kStandardFormats[] = {
    {1, "TEXT"},
    {2, "BITMAP"},
    {3, "METAFILEPICT"},
    {4, "SYLK"},
    {5, "DIF"},
    {6, "TIFF"},
    {7, "OEMTEXT"},
    {8, "DIB"},
    {9, "PALETTE"},
    {10, "PENDATA"},
    {11, "RIFF"},
    {12, "WAVE"},
    {13, "UNICODETEXT"},
    {14, "ENHMETAFILE"},
    {15, "HDROP"},
    {16, "LOCALE"},
    {17, "MAX"},
    {128, "OWNERDISPLAY"},
    {129, "DSPTEXT"},
    {130, "DSPBITMAP"},
    {131, "DSPMETAFILEPICT"},
    {142, "DSPENHMETAFILE"},
};

std::string Hex4(unsigned number) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (int shift = 12; shift >= 0; shift -= 4)
        text += kHex[(number >> shift) & 0xF];
    return text;
}

} // namespace

std::string SavingsLine(const std::string& format, uint32_t pasteCount) {
    const uint64_t cents = uint64_t{pasteCount} * 3;
    const unsigned rest = static_cast<unsigned>(cents % 100);
    const std::string amount =
        std::to_string(cents / 100) + (rest < 10 ? ".0" : ".") + std::to_string(rest);
    const size_t at = format.find("%.2f");
    if (at == std::string::npos)
        return format;
    return format.substr(0, at) + amount + format.substr(at + 4);
}

std::string ClipboardFormatListing(const std::vector<ClipboardFormatEntry>& formats) {
    if (formats.empty())
        return LoadUiString(IDS_CLIPBOARD_EMPTY);
    std::string text = LoadUiString(IDS_CLIPBOARD_FORMATS);
    for (const ClipboardFormatEntry& format : formats) {
        std::string name = format.registeredName;
        for (const StandardFormat& standard : kStandardFormats)
            if (standard.number == format.number)
                name = standard.name;
        text += "   " + Hex4(format.number) + " " + name + "\n";
    }
    return text;
}
