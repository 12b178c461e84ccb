#include "store/text_rules.h"

namespace {

constexpr size_t kCaptionMax = 32;
constexpr size_t kPreviewMax = 511;

bool IsPreviewSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

} // namespace

std::string CaptionFromText(const std::string& text) {
    std::string caption;
    unsigned threshold = 32; // drops the blank too until the first visible byte
    bool blankWritten = false;
    size_t i = 0;
    for (; i < text.size() && caption.size() < kCaptionMax; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c > threshold) {
            caption += static_cast<char>(c);
            blankWritten = false;
            threshold = 31;
        } else if (threshold == 31 && !blankWritten) {
            caption += ' ';
            blankWritten = true;
        }
    }
    if (i < text.size() || caption.empty())
        caption += "...";
    return caption;
}

std::string PreviewFromText(const std::string& text) {
    const size_t end = text.size() < kPreviewMax ? text.size() : kPreviewMax;
    size_t first = 0;
    while (first < end && IsPreviewSpace(text[first]))
        ++first;
    size_t last = end;
    while (last > first && IsPreviewSpace(text[last - 1]))
        --last;

    std::string preview;
    preview.reserve(last - first);
    for (size_t i = first; i < last; ++i) {
        // One pass: an empty line is dropped, but what the replacement leaves behind is
        // not looked at again.
        if (i + 4 <= last && text.compare(i, 4, "\r\n\r\n") == 0) {
            preview += "\r\n";
            i += 3;
        } else {
            preview += text[i] == '\t' ? ' ' : text[i];
        }
    }
    return preview;
}

std::string NarrowUtf16(const char16_t* units, size_t count) {
    std::string out;
    size_t n = 0;
    while (n < count && units[n] != 0)
        ++n;
    out.resize(n);
    for (size_t i = 0; i < n; ++i) {
        const unsigned u = units[i];
        out[i] = static_cast<char>(u < 0x100 ? u : (u - 848u) & 0xFFu);
    }
    return out;
}

std::string NarrowUtf16(const std::u16string& text) {
    return NarrowUtf16(text.data(), text.size());
}

namespace {
char16_t WidenByte(unsigned char c) {
    return static_cast<char16_t>(c < 0x80 ? c : c + 848u);
}
} // namespace

std::u16string WidenText(const std::string& text) {
    std::u16string out;
    out.reserve(text.size());
    for (char ch : text)
        out += WidenByte(static_cast<unsigned char>(ch));
    return out;
}

std::u16string WidenFileList(const std::string& text) {
    std::u16string out;
    out.reserve(text.size() + 2);
    for (char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c == '\n')
            continue;
        if (c == '\r')
            out += char16_t(0);
        else
            out += WidenByte(c);
    }
    out += char16_t(0);
    out += char16_t(0);
    return out;
}

std::string FileListCaption(const std::string& firstPath, size_t count) {
    std::string title = firstPath;
    const size_t slash = firstPath.rfind('\\');
    if (slash != std::string::npos && slash + 1 < firstPath.size())
        title = firstPath.substr(slash + 1);
    if (count < 2)
        return title;
    const size_t more = count - 1;
    return title + " + " + std::to_string(more) + " file" + (more >= 2 ? "s" : "");
}
