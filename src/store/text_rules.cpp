#include "store/text_rules.h"

#include <type_traits>

namespace {

constexpr size_t kCaptionMax = 32;
constexpr size_t kPreviewMax = 511;

} // namespace

namespace {

bool IsHighSurrogate(char16_t u) {
    return u >= 0xD800 && u < 0xDC00;
}
bool IsHighSurrogate(char) {
    return false;
}

// The caption and preview rules for 8-bit text and for UTF-16 text alike: a character
// above 0x7F always counts as visible, and a surrogate pair is never cut in two.
template <class Str> Str CaptionOf(const Str& text) {
    using Ch = typename Str::value_type;
    Str caption;
    unsigned threshold = 32; // drops the blank too until the first visible character
    bool blankWritten = false;
    size_t i = 0;
    for (; i < text.size() && caption.size() < kCaptionMax; ++i) {
        const unsigned c = static_cast<std::make_unsigned_t<Ch>>(text[i]);
        if (c > threshold) {
            if (IsHighSurrogate(text[i]) && i + 1 < text.size()) {
                if (caption.size() + 2 > kCaptionMax)
                    break;
                caption += text[i++];
            }
            caption += text[i];
            blankWritten = false;
            threshold = 31;
        } else if (threshold == 31 && !blankWritten) {
            caption += Ch(' ');
            blankWritten = true;
        }
    }
    if (i < text.size() || caption.empty()) {
        for (int dot = 0; dot < 3; ++dot)
            caption += Ch('.');
    }
    return caption;
}

template <class Ch> bool IsSpace(Ch c) {
    return c == Ch(' ') || c == Ch('\t') || c == Ch('\r') || c == Ch('\n') || c == Ch('\v') ||
           c == Ch('\f');
}

template <class Str> Str PreviewOf(const Str& text) {
    using Ch = typename Str::value_type;
    size_t end = text.size() < kPreviewMax ? text.size() : kPreviewMax;
    if (end < text.size() && end > 0 && IsHighSurrogate(text[end - 1]))
        --end;
    size_t first = 0;
    while (first < end && IsSpace(text[first]))
        ++first;
    size_t last = end;
    while (last > first && IsSpace(text[last - 1]))
        --last;

    Str preview;
    preview.reserve(last - first);
    for (size_t i = first; i < last; ++i) {
        // One pass: an empty line is dropped, but what the replacement leaves behind is
        // not looked at again.
        if (i + 4 <= last && text[i] == Ch('\r') && text[i + 1] == Ch('\n') &&
            text[i + 2] == Ch('\r') && text[i + 3] == Ch('\n')) {
            preview += Ch('\r');
            preview += Ch('\n');
            i += 3;
        } else {
            preview += text[i] == Ch('\t') ? Ch(' ') : text[i];
        }
    }
    return preview;
}

} // namespace

std::string CaptionFromText(const std::string& text) {
    return CaptionOf(text);
}

std::u16string CaptionFromText(const std::u16string& text) {
    return CaptionOf(text);
}

std::string PreviewFromText(const std::string& text) {
    return PreviewOf(text);
}

std::u16string PreviewFromText(const std::u16string& text) {
    return PreviewOf(text);
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

namespace {

template <class Str> Str ListCaption(const Str& firstPath, size_t count) {
    using Ch = typename Str::value_type;
    Str title = firstPath;
    const size_t slash = firstPath.rfind(Ch('\\'));
    if (slash != Str::npos && slash + 1 < firstPath.size())
        title = firstPath.substr(slash + 1);
    if (count < 2)
        return title;
    const size_t more = count - 1;
    const std::string tail = " + " + std::to_string(more) + " file" + (more >= 2 ? "s" : "");
    return title + Str(tail.begin(), tail.end());
}

} // namespace

std::string FileListCaption(const std::string& firstPath, size_t count) {
    return ListCaption(firstPath, count);
}

std::u16string FileListCaption(const std::u16string& firstPath, size_t count) {
    return ListCaption(firstPath, count);
}
