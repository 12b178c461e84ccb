#include "app/paste_text.h"

#include <algorithm>
#include <cctype>

#include "platform/win_constants.h"
#include "store/byte_block.h"
#include "store/text_rules.h"
#include "platform/code_page.h"

namespace {
constexpr size_t MAX_PATH_CHARS = 260;
} // namespace

bool IsPasteVariant(int32_t command) {
    return command == PASTE_TEXT || command == PASTE_UPPER || command == PASTE_LOWER ||
           command == PASTE_UNIX;
}

int32_t VariantOrNone(int32_t command) {
    return IsPasteVariant(command) ? command : PASTE_NONE;
}

namespace {

template <class Str> Str WindowsLines(const Str& text) {
    using Ch = typename Str::value_type;
    Str out;
    out.reserve(text.size() + text.size() / 8 + 2);
    for (Ch c : text) {
        if (c == Ch('\r'))
            continue; // written again before its LF; dropped when alone
        if (c == Ch('\n'))
            out += Ch('\r');
        out += c;
    }
    return out;
}

std::string ChangeCase(const std::string& text, bool upper) {
    return codepage::ChangeCase(text, upper);
}
std::u16string ChangeCase(const std::u16string& text, bool upper) {
    return codepage::ChangeCaseWide(text, upper);
}

template <class Str> Str Variant(const Str& text, int32_t variant) {
    switch (variant) {
    case PASTE_UPPER:
        return ChangeCase(text, true);
    case PASTE_LOWER:
        return ChangeCase(text, false);
    case PASTE_UNIX:
        return WindowsLines(text);
    default:
        return text;
    }
}

} // namespace

std::string UnixToWindowsLines(const std::string& text) {
    return WindowsLines(text);
}

std::string ApplyTextVariant(const std::string& text, int32_t variant) {
    return Variant(text, variant);
}

std::u16string ApplyTextVariant(const std::u16string& text, int32_t variant) {
    return Variant(text, variant);
}

std::vector<uint8_t> TextBlock(const std::string& text) {
    std::vector<uint8_t> block(text.begin(), text.end());
    block.push_back(0);
    return block;
}

std::vector<uint8_t> WideTextBlock(const std::u16string& text) {
    std::vector<uint8_t> block((text.size() + 1) * 2, 0);
    for (size_t i = 0; i < text.size(); ++i)
        PutLe16(&block[2 * i], text[i]);
    return block;
}

namespace {

// One path per line, without blank lines, each ended by CR LF.
template <class Str> Str PathLines(const Str& list, size_t& count) {
    using Ch = typename Str::value_type;
    const Ch breaks[] = {Ch('\r'), Ch('\n'), Ch(0)};
    Str paths;
    count = 0;
    for (size_t start = 0; start < list.size();) {
        size_t end = list.find_first_of(breaks, start);
        if (end == Str::npos)
            end = list.size();
        if (end > start) {
            paths.append(list, start, end - start);
            paths += Ch('\r');
            paths += Ch('\n');
            ++count;
        }
        start = end + 1;
    }
    return paths;
}

// Lines of paths as the NUL-separated wide list of a drop, ended by two NULs.
std::u16string WidenFileListUnits(const std::u16string& lines) {
    std::u16string out;
    for (char16_t u : lines) {
        if (u != u'\n')
            out += u == u'\r' ? u'\0' : u;
    }
    return out + std::u16string(2, u'\0');
}

} // namespace

std::vector<uint8_t> DropFilesBlock(const std::string& list, bool wide, int32_t x, int32_t y,
                                    const std::u16string& wideList) {
    size_t count = 0;
    std::u16string widePaths;
    std::string paths;
    if (wide && !wideList.empty()) {
        widePaths = WidenFileListUnits(PathLines(wideList, count));
    } else {
        paths = PathLines(list, count);
        if (wide)
            widePaths = WidenFileList(paths);
    }
    if (count == 0)
        return {};

    const size_t listBytes = wide ? widePaths.size() * 2 : paths.size() + 2;
    std::vector<uint8_t> block(win::DROPFILES_SIZE + listBytes, 0);
    PutLe32(&block[0], win::DROPFILES_SIZE);
    PutLe32(&block[4], static_cast<uint32_t>(x));
    PutLe32(&block[8], static_cast<uint32_t>(y));
    PutLe32(&block[12], 1); // fNC: the point is in non-client coordinates (the screen)
    PutLe32(&block[16], wide ? 1 : 0);
    size_t at = win::DROPFILES_SIZE;
    if (wide) {
        for (char16_t unit : widePaths) {
            block[at++] = static_cast<uint8_t>(unit & 0xFF);
            block[at++] = static_cast<uint8_t>(unit >> 8);
        }
    } else {
        for (char c : paths) {
            if (c == '\n')
                continue;
            block[at++] = c == '\r' ? 0 : static_cast<uint8_t>(c);
        }
        // The list's closing NUL is the block's zero fill.
    }
    return block;
}

std::string FirstPath(const std::string& list) {
    const size_t end = list.find_first_of(std::string("\r\n\0", 3));
    return list.substr(0, std::min(end, MAX_PATH_CHARS));
}
