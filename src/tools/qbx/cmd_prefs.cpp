// qbx prefs FILE and qbx set FILE name=value ...
#include "qbx_tool.h"

#include <cerrno>
#include <cstdlib>

namespace {

// One field of the preference block: where it lies in the block (file offset - 8), its
// width in bytes and whether it is signed, named after its member.
struct PrefField {
    const char* name;
    size_t offset;
    int width;
    bool isSigned;
    bool hex;
};

const PrefField kFields[] = {
    {"m_dwOptions", 0, 4, false, true},        {"m_nMaxItems", 4, 1, false, false},
    {"m_nMinTextSize", 5, 1, false, false},    {"m_nBitmapCounter", 6, 1, false, false},
    {"m_nSuperHotKey", 7, 1, false, false},    {"m_nCounter1", 8, 2, false, false},
    {"m_nCounter2", 10, 2, false, false},      {"m_nCounter3", 12, 2, false, false},
    {"m_nLanguage", 14, 1, false, false},      {"m_nPasteCount", 16, 4, false, false},
    {"m_nMaxItemSizeKB", 20, 2, false, false}, {"m_nUserHotKeyVk", 22, 1, false, true},
    {"m_nUserHotKeyMods", 23, 1, false, true}, {"m_ptHot.x", 24, 2, true, false},
    {"m_ptHot.y", 26, 2, true, false},         {"m_nHotStyle", 28, 1, false, true},
    {"m_nHotMenuWidth", 29, 2, true, false},   {"m_nSound", 31, 1, false, false},
};

// The hot-key bytes trade places in files other than "Clipboard.qbx".
size_t OffsetIn(const PrefField& f, QbxLayout layout) {
    if (layout == QbxLayout::Collection && (f.offset == 22 || f.offset == 23))
        return f.offset == 22 ? 23 : 22;
    return f.offset;
}

int64_t MinOf(const PrefField& f) {
    return f.isSigned ? -(int64_t(1) << (8 * f.width - 1)) : 0;
}

int64_t MaxOf(const PrefField& f) {
    if (f.offset == 0)
        return OPT_PERSISTED_MASK; // bits 28 to 31 of the options are not stored
    return (int64_t(1) << (8 * f.width - (f.isSigned ? 1 : 0))) - 1;
}

int64_t Get(const PrefBlock& block, const PrefField& f, QbxLayout layout) {
    size_t at = OffsetIn(f, layout);
    uint64_t v = 0;
    for (int i = f.width - 1; i >= 0; --i)
        v = v << 8 | block[at + i];
    if (f.isSigned && (v >> (8 * f.width - 1)) != 0)
        return static_cast<int64_t>(v) - (int64_t(1) << (8 * f.width));
    return static_cast<int64_t>(v);
}

void Put(PrefBlock& block, const PrefField& f, QbxLayout layout, int64_t value) {
    size_t at = OffsetIn(f, layout);
    uint64_t v = static_cast<uint64_t>(value);
    for (int i = 0; i < f.width; ++i)
        block[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

std::string Format(const PrefField& f, int64_t value) {
    if (!f.hex)
        return std::to_string(value);
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (uint64_t v = static_cast<uint64_t>(value); v != 0 || hex.empty(); v >>= 4)
        hex.insert(hex.begin(), digits[v & 0xF]);
    return "0x" + hex;
}

const PrefField* FindField(const std::string& name) {
    for (const PrefField& f : kFields)
        if (name == f.name)
            return &f;
    return nullptr;
}

// Decimal (with an optional minus) or hexadecimal with "0x".
bool ParseNumber(const std::string& text, int64_t& value) {
    bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* start = text.c_str() + (hex ? 2 : 0);
    if (*start == '\0' || *start == '+' || *start == ' ' || (hex && *start == '-'))
        return false;
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(start, &end, hex ? 16 : 10);
    if (errno != 0 || *end != '\0')
        return false;
    value = v;
    return true;
}

// Applies one "name=value"; false with a message when it is not a field or not a value
// the field can hold.
bool Assign(const std::string& assignment, QbxLayout layout, PrefBlock& block) {
    size_t eq = assignment.find('=');
    if (eq == std::string::npos) {
        Complain("\"" + assignment + "\" is not name=value");
        return false;
    }
    std::string name = assignment.substr(0, eq), text = assignment.substr(eq + 1);
    const PrefField* field = FindField(name);
    if (!field) {
        Complain("no preference field \"" + name + "\" (qbx prefs lists them)");
        return false;
    }
    int64_t value;
    if (!ParseNumber(text, value)) {
        Complain(name + ": \"" + text + "\" is not a number");
        return false;
    }
    if (value < MinOf(*field) || value > MaxOf(*field)) {
        Complain(name + ": " + text + " is out of range (" + Format(*field, MinOf(*field)) +
                 " to " + Format(*field, MaxOf(*field)) + ")");
        return false;
    }
    Put(block, *field, layout, value);
    return true;
}

} // namespace

int CmdPrefs(Args args) {
    LayoutChoice choice = TakeLayoutOption(args);
    if (!NoOtherOptions(args))
        return kExitBadInput;
    if (args.size() != 1) {
        Complain("usage: qbx prefs FILE");
        return kExitUsage;
    }
    QbxDocument doc;
    if (!ReadDocument(args[0], LayoutFor(choice, args[0]), RecordContent::Drop, doc))
        return kExitBadInput;
    PrefBlock block = EncodePrefBlock(doc.prefs, doc.layout);
    std::string out;
    for (const PrefField& f : kFields)
        out += std::string(f.name) + '=' + Format(f, Get(block, f, doc.layout)) + '\n';
    if (!WriteStdout(out))
        return kExitBadInput;
    return FinishReading(doc);
}

int CmdSet(Args args) {
    LayoutChoice choice = TakeLayoutOption(args);
    if (!NoOtherOptions(args))
        return kExitBadInput;
    if (args.size() < 2) {
        Complain("usage: qbx set FILE name=value ...");
        return kExitUsage;
    }
    const std::string& path = args[0];
    QbxDocument doc;
    if (!ReadDocumentForChange(path, LayoutFor(choice, path), doc))
        return kExitBadInput;
    PrefBlock block = EncodePrefBlock(doc.prefs, doc.layout);
    for (size_t i = 1; i < args.size(); ++i)
        if (!Assign(args[i], doc.layout, block))
            return kExitBadInput; // nothing is written unless every assignment is good
    DecodePrefBlock(block, doc.layout, doc.prefs);
    UseFolderOf(path);
    return WriteDocument(doc) ? kExitOk : kExitBadInput;
}
