#include "app/paste_text.h"

#include <algorithm>
#include <cctype>

#include "platform/win_constants.h"
#include "store/byte_block.h"
#include "store/text_rules.h"

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

std::string ToUpperText(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string ToLowerText(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string UnixToWindowsLines(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8 + 2);
    for (char c : text) {
        if (c == '\r')
            continue; // written again before its LF; dropped when alone
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

std::string ApplyTextVariant(const std::string& text, int32_t variant) {
    switch (variant) {
    case PASTE_UPPER:
        return ToUpperText(text);
    case PASTE_LOWER:
        return ToLowerText(text);
    case PASTE_UNIX:
        return UnixToWindowsLines(text);
    default:
        return text;
    }
}

std::vector<uint8_t> TextBlock(const std::string& text) {
    std::vector<uint8_t> block(text.begin(), text.end());
    block.push_back(0);
    return block;
}

std::vector<uint8_t> DropFilesBlock(const std::string& list, bool wide, int32_t x, int32_t y) {
    // One path per line, without blank lines, each ended by CR LF.
    std::string paths;
    size_t count = 0;
    for (size_t start = 0; start < list.size();) {
        size_t end = list.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = list.size();
        if (end > start) {
            paths.append(list, start, end - start).append("\r\n");
            ++count;
        }
        start = end + 1;
    }
    if (count == 0)
        return {};

    const size_t listBytes = (paths.size() + 2) * (wide ? 2 : 1);
    std::vector<uint8_t> block(win::DROPFILES_SIZE + listBytes, 0);
    PutLe32(&block[0], win::DROPFILES_SIZE);
    PutLe32(&block[4], static_cast<uint32_t>(x));
    PutLe32(&block[8], static_cast<uint32_t>(y));
    PutLe32(&block[12], 1); // fNC: the point is in non-client coordinates (the screen)
    PutLe32(&block[16], wide ? 1 : 0);
    size_t at = win::DROPFILES_SIZE;
    if (wide) {
        for (char16_t unit : WidenFileList(paths)) {
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
