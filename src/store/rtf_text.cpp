#include "store/rtf_text.h"

#include "platform/code_page.h"

#include <cstdint>
#include <cstring>

// A keyword-table reader: control words either change state we do not keep (character and
// paragraph properties), write a character, or make the rest of their group a destination
// whose text is skipped. Groups need no stack of their own: once a group is skipped every
// group inside it is skipped too, so the depth at which skipping began is all there is to
// restore when groups close. The reader is a single forward pass without recursion.

namespace {

enum class Kind : uint8_t {
    Property,    // state only; writes nothing
    Unicode,     // \uN: also names the byte that replaces the following '?'
    Character,   // writes `ch`
    Destination, // skips the rest of the group
    Binary,      // \binN: the next N bytes are characters, read without looking at them
    SkipMark,    // \*: skip the group if the next control word is unknown
    Hex,         // \'hh: one byte in hexadecimal
};

struct Keyword {
    const char* name;
    Kind kind;
    char ch;
};

constexpr Keyword kKeywords[] = {
    {"b", Kind::Property, 0},
    {"u", Kind::Unicode, 0},
    {"i", Kind::Property, 0},
    {"li", Kind::Property, 0},
    {"ri", Kind::Property, 0},
    {"fi", Kind::Property, 0},
    {"cols", Kind::Property, 0},
    {"sbknone", Kind::Property, 0},
    {"sbkcol", Kind::Property, 0},
    {"sbkeven", Kind::Property, 0},
    {"sbkodd", Kind::Property, 0},
    {"sbkpage", Kind::Property, 0},
    {"pgnx", Kind::Property, 0},
    {"pgny", Kind::Property, 0},
    {"pgndec", Kind::Property, 0},
    {"pgnucrm", Kind::Property, 0},
    {"pgnlcrm", Kind::Property, 0},
    {"pgnucltr", Kind::Property, 0},
    {"pgnlcltr", Kind::Property, 0},
    {"qc", Kind::Property, 0},
    {"ql", Kind::Property, 0},
    {"qr", Kind::Property, 0},
    {"qj", Kind::Property, 0},
    {"paperw", Kind::Property, 0},
    {"paperh", Kind::Property, 0},
    {"margl", Kind::Property, 0},
    {"margr", Kind::Property, 0},
    {"margt", Kind::Property, 0},
    {"margb", Kind::Property, 0},
    {"pgnstart", Kind::Property, 0},
    {"facingp", Kind::Property, 0},
    {"landscape", Kind::Property, 0},
    {"par", Kind::Character, '\n'},
    {"line", Kind::Character, '\n'},
    {"\n", Kind::Character, '\n'},
    {"\r", Kind::Character, '\n'},
    {"tab", Kind::Character, '\t'},
    {"ldblquote", Kind::Character, '"'},
    {"rdblquote", Kind::Character, '"'},
    {"bin", Kind::Binary, 0},
    {"*", Kind::SkipMark, 0},
    {"'", Kind::Hex, 0},
    {"author", Kind::Destination, 0},
    {"buptim", Kind::Destination, 0},
    {"colortbl", Kind::Destination, 0},
    {"comment", Kind::Destination, 0},
    {"creatim", Kind::Destination, 0},
    {"doccomm", Kind::Destination, 0},
    {"fonttbl", Kind::Destination, 0},
    {"footer", Kind::Destination, 0},
    {"footerf", Kind::Destination, 0},
    {"footerl", Kind::Destination, 0},
    {"footerr", Kind::Destination, 0},
    {"footnote", Kind::Destination, 0},
    {"ftncn", Kind::Destination, 0},
    {"ftnsep", Kind::Destination, 0},
    {"ftnsepc", Kind::Destination, 0},
    {"header", Kind::Destination, 0},
    {"headerf", Kind::Destination, 0},
    {"headerl", Kind::Destination, 0},
    {"headerr", Kind::Destination, 0},
    {"info", Kind::Destination, 0},
    {"keywords", Kind::Destination, 0},
    {"operator", Kind::Destination, 0},
    {"pict", Kind::Destination, 0},
    {"printim", Kind::Destination, 0},
    {"private1", Kind::Destination, 0},
    {"revtim", Kind::Destination, 0},
    {"rxe", Kind::Destination, 0},
    {"stylesheet", Kind::Destination, 0},
    {"subject", Kind::Destination, 0},
    {"tc", Kind::Destination, 0},
    {"title", Kind::Destination, 0},
    {"txe", Kind::Destination, 0},
    {"xe", Kind::Destination, 0},
    {"{", Kind::Character, '{'},
    {"}", Kind::Character, '}'},
    {"\\", Kind::Character, '\\'},
};
constexpr size_t kKeywordCount = sizeof(kKeywords) / sizeof(kKeywords[0]);
static_assert(kKeywordCount == 78, "the reader's keyword table");

constexpr size_t kLongestKeyword = 10; // "stylesheet"
constexpr int32_t kMaxParameter = 0x7FFFFFFF;

// Open addressing over a table four times the keyword count, filled once.
class KeywordTable {
public:
    KeywordTable() {
        for (size_t k = 0; k < kKeywordCount; ++k) {
            const auto* name = reinterpret_cast<const unsigned char*>(kKeywords[k].name);
            size_t slot = Hash(name, std::strlen(kKeywords[k].name));
            while (slots_[slot] != 0)
                slot = (slot + 1) & kMask;
            slots_[slot] = static_cast<uint8_t>(k + 1);
        }
    }

    const Keyword* Find(const unsigned char* name, size_t length) const {
        if (length == 0 || length > kLongestKeyword)
            return nullptr;
        for (size_t slot = Hash(name, length); slots_[slot] != 0; slot = (slot + 1) & kMask) {
            const Keyword& k = kKeywords[slots_[slot] - 1];
            if (std::strncmp(k.name, reinterpret_cast<const char*>(name), length) == 0 &&
                k.name[length] == 0)
                return &k;
        }
        return nullptr;
    }

private:
    static constexpr size_t kSize = 512;
    static constexpr size_t kMask = kSize - 1;

    static size_t Hash(const unsigned char* s, size_t n) {
        uint32_t h = 2166136261u;
        for (size_t i = 0; i < n; ++i)
            h = (h ^ s[i]) * 16777619u;
        return (h ^ (h >> 15)) & kMask;
    }

    uint8_t slots_[kSize] = {};
};

const KeywordTable& Keywords() {
    static const KeywordTable table;
    return table;
}

bool IsLetter(unsigned char c) {
    return (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
}
bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

int HexValue(unsigned char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if ((c | 0x20) >= 'a' && (c | 0x20) <= 'f')
        return (c | 0x20) - 'a' + 10;
    return -1;
}

// Bytes that end a run of plain text.
struct StopBytes {
    bool stop[256] = {};
    StopBytes() {
        for (unsigned char c : {'\\', '{', '}', '\r', '\n'})
            stop[c] = true;
    }
};
const StopBytes kStops;

class RtfReader {
public:
    RtfReader(const char* rtf, size_t size, std::string& out, std::vector<RtfUnicodeMark>* marks)
        : p_(reinterpret_cast<const unsigned char*>(rtf)), end_(p_ + size), out_(out),
          marks_(marks) {}

    bool Run() {
        while (p_ < end_) {
            const unsigned char c = *p_;
            if (c == '{') {
                ++p_;
                ++depth_;
            } else if (c == '}') {
                ++p_;
                if (depth_ == 0)
                    return false;
                if (skipping_ && depth_ == skipDepth_)
                    skipping_ = false;
                --depth_;
            } else if (c == '\\') {
                ++p_;
                if (!ControlWord())
                    return false;
            } else if (c == '\r' || c == '\n') {
                ++p_; // line breaks in the source are only for its readers
            } else if (hasPending_) {
                ++p_;
                Character(c);
            } else {
                PlainRun();
            }
        }
        return depth_ == 0;
    }

private:
    void PlainRun() {
        const unsigned char* q = p_;
        while (q < end_ && !kStops.stop[*q])
            ++q;
        if (!skipping_) {
            out_.append(reinterpret_cast<const char*>(p_), static_cast<size_t>(q - p_));
            last_ = q[-1];
        }
        p_ = q;
    }

    // Everything written goes through here, text runs excepted (they hold no '?' while a
    // replacement waits, and no line feed).
    void Character(unsigned char c) {
        bool named = false;
        if (hasPending_) {
            // The replacement is meant for the fallback character right after \u; any other
            // character ends the wait, so a later '?' stays a question mark.
            hasPending_ = false;
            named = true;
            if (c == '?')
                c = pending_;
        }
        if (skipping_)
            return;
        if (named && marks_)
            marks_->push_back({out_.size(), pendingUnit_}); // the fallback stands for it
        if (c == '\n' && last_ != '\r')
            out_ += '\r';
        out_ += static_cast<char>(c);
        last_ = c;
    }

    void SkipGroup() {
        if (!skipping_) {
            skipping_ = true;
            skipDepth_ = depth_;
        }
    }

    bool ControlWord() {
        if (p_ == end_)
            return false;
        const unsigned char* name = p_;
        if (!IsLetter(*p_))
            return Apply(Keywords().Find(p_++, 1), false, 0); // a control symbol
        while (p_ < end_ && IsLetter(*p_))
            ++p_;
        const size_t length = static_cast<size_t>(p_ - name);

        bool hasParameter = false;
        int32_t parameter = 0;
        bool negative = false;
        if (p_ + 1 < end_ && *p_ == '-' && IsDigit(p_[1])) {
            negative = true;
            ++p_;
        }
        if (p_ < end_ && IsDigit(*p_)) {
            hasParameter = true;
            for (; p_ < end_ && IsDigit(*p_); ++p_) {
                const int32_t digit = *p_ - '0';
                parameter = parameter > (kMaxParameter - digit) / 10 ? kMaxParameter
                                                                     : parameter * 10 + digit;
            }
            if (negative)
                parameter = -parameter;
        }
        if (p_ < end_ && *p_ == ' ')
            ++p_;
        return Apply(Keywords().Find(name, length), hasParameter, parameter);
    }

    bool Apply(const Keyword* k, bool hasParameter, int32_t parameter) {
        const bool skipIfUnknown = skipIfUnknown_;
        skipIfUnknown_ = false;
        if (k == nullptr) {
            if (skipIfUnknown)
                SkipGroup();
            return true;
        }
        switch (k->kind) {
        case Kind::Property:
            break;
        case Kind::Unicode:
            if (hasParameter && parameter != 0) {
                pending_ =
                    static_cast<unsigned char>(parameter >= 849 ? parameter - 848 : parameter);
                pendingUnit_ = static_cast<char16_t>(parameter); // negative: above 32767
                hasPending_ = true;
            }
            break;
        case Kind::Character:
            Character(static_cast<unsigned char>(k->ch));
            break;
        case Kind::Destination:
            SkipGroup();
            break;
        case Kind::SkipMark:
            skipIfUnknown_ = true;
            break;
        case Kind::Hex:
            return HexByte();
        case Kind::Binary:
            if (hasParameter && parameter > 0)
                BinaryBytes(static_cast<size_t>(parameter));
            break;
        }
        return true;
    }

    bool HexByte() {
        int value = 0;
        for (int digits = 0; digits < 2;) {
            if (p_ == end_)
                return false;
            const unsigned char c = *p_++;
            if (c == '\r' || c == '\n')
                continue;
            const int v = HexValue(c);
            if (v < 0)
                return false;
            value = value * 16 + v;
            ++digits;
        }
        Character(static_cast<unsigned char>(value));
        return true;
    }

    void BinaryBytes(size_t count) {
        const size_t left = static_cast<size_t>(end_ - p_);
        if (count > left)
            count = left;
        if (skipping_) {
            if (count > 0)
                hasPending_ = false;
            p_ += count;
            return;
        }
        for (const unsigned char* stop = p_ + count; p_ < stop; ++p_)
            Character(*p_);
    }

    const unsigned char* p_;
    const unsigned char* const end_;
    std::string& out_;
    std::vector<RtfUnicodeMark>* marks_;
    size_t depth_ = 0;
    size_t skipDepth_ = 0;
    bool skipping_ = false;
    bool skipIfUnknown_ = false;
    bool hasPending_ = false;
    unsigned char pending_ = 0;
    char16_t pendingUnit_ = 0;
    unsigned char last_ = 0;
};

} // namespace

bool ExtractRtfText(const char* rtf, size_t size, std::string& text,
                    std::vector<RtfUnicodeMark>* marks) {
    text.reserve(text.size() + size / 4);
    return RtfReader(rtf, size, text, marks).Run();
}

std::string RtfPlainText(const std::string& rtf) {
    std::string text;
    if (ExtractRtfText(rtf.data(), rtf.size(), text))
        return text;
    return rtf;
}

std::u16string RtfPlainWide(const std::string& rtf) {
    std::string text;
    std::vector<RtfUnicodeMark> marks;
    if (!ExtractRtfText(rtf.data(), rtf.size(), text, &marks))
        return codepage::ToWide(rtf);
    std::u16string wide;
    size_t from = 0;
    for (const RtfUnicodeMark& m : marks) {
        wide += codepage::ToWide(text.substr(from, m.at - from));
        wide += m.unit;
        from = m.at + 1;
    }
    return wide + codepage::ToWide(text.substr(from));
}
