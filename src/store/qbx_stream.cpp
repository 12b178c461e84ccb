#include "store/qbx_stream.h"

#include "store/byte_block.h"
#include "store/wide_text.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <vector>

namespace {

constexpr uint8_t kLongPrefix = 0xFF;
constexpr uint16_t kWideMark = 0xFFFE;
constexpr uint16_t kDwordMark = 0xFFFF;

} // namespace

FilePtr OpenForReading(const std::string& path) {
    return ForRecordReading(std::fopen(path.c_str(), "rb"));
}

FilePtr ForRecordReading(std::FILE* file) {
    FilePtr f(file);
    if (f)
        std::setvbuf(f.get(), nullptr, _IOFBF, 1 << 16);
    return f;
}

QbxReader::QbxReader(std::FILE* file) : m_file(file) {
    if (!m_file || std::fseek(m_file, 0, SEEK_END) != 0)
        return;
    long size = std::ftell(m_file);
    if (size < 0 || std::fseek(m_file, 0, SEEK_SET) != 0)
        return;
    m_size = static_cast<uint64_t>(size);
    m_ok = true;
}

bool QbxReader::Fail() {
    m_ok = false;
    return false;
}

bool QbxReader::Seek(uint64_t pos) {
    if (!m_ok || pos > m_size || std::fseek(m_file, static_cast<long>(pos), SEEK_SET) != 0)
        return Fail();
    m_pos = pos;
    return true;
}

bool QbxReader::Skip(uint64_t count) {
    if (!m_ok || count > Remaining())
        return Fail();
    return Seek(m_pos + count);
}

bool QbxReader::ReadBytes(void* out, size_t count) {
    if (!m_ok || count > Remaining())
        return Fail();
    if (count != 0 && std::fread(out, 1, count, m_file) != count)
        return Fail();
    m_pos += count;
    return true;
}

bool QbxReader::ReadU8(uint8_t& value) {
    return ReadBytes(&value, 1);
}

bool QbxReader::ReadU16(uint16_t& value) {
    uint8_t b[2];
    if (!ReadBytes(b, 2))
        return false;
    value = GetLe16(b);
    return true;
}

bool QbxReader::ReadU32(uint32_t& value) {
    uint8_t b[4];
    if (!ReadBytes(b, 4))
        return false;
    value = GetLe32(b);
    return true;
}

bool QbxReader::ReadLength(uint32_t& length, bool& wide) {
    wide = false;
    uint8_t first;
    if (!ReadU8(first))
        return false;
    if (first != kLongPrefix) {
        length = first;
        return true;
    }
    uint16_t word;
    if (!ReadU16(word))
        return false;
    if (word == kDwordMark)
        return ReadU32(length);
    if (word != kWideMark) {
        length = word;
        return true;
    }
    // UTF-16 form: a second prefix of the plain kinds gives the unit count. Another wide
    // mark there is not a string at all.
    wide = true;
    if (!ReadU8(first))
        return false;
    if (first != kLongPrefix) {
        length = first;
        return true;
    }
    if (!ReadU16(word))
        return false;
    if (word == kDwordMark)
        return ReadU32(length);
    if (word == kWideMark)
        return Fail();
    length = word;
    return true;
}

bool QbxReader::ReadWide(std::string& out, std::u16string* wide, uint32_t units, size_t keep,
                         uint32_t& length) {
    if (uint64_t(units) * 2 > Remaining())
        return Fail();
    std::vector<uint8_t> bytes(size_t(units) * 2);
    if (!ReadBytes(bytes.data(), bytes.size()))
        return false;
    // As everywhere, the text ends at the first NUL unit.
    std::u16string text;
    text.reserve(units);
    for (size_t i = 0; i < units; ++i)
        text += static_cast<char16_t>(GetLe16(&bytes[2 * i]));
    DualText dual = SplitWide(text);
    length = static_cast<uint32_t>(dual.text.size());
    if (dual.text.size() > keep)
        dual.text.resize(keep);
    out = std::move(dual.text);
    if (wide)
        *wide = std::move(dual.wide);
    return true;
}

bool QbxReader::ReadString(std::string& out, std::u16string* wide) {
    uint32_t length;
    return ReadStringHead(out, SIZE_MAX, length, wide);
}

bool QbxReader::ReadStringHead(std::string& out, size_t keep, uint32_t& length,
                               std::u16string* wide) {
    bool isWide;
    uint32_t count;
    if (wide)
        wide->clear();
    if (!ReadLength(count, isWide))
        return false;
    if (isWide) {
        return ReadWide(out, wide, count, keep, length);
    }
    if (count > Remaining())
        return Fail();
    length = count;
    size_t kept = std::min<size_t>(count, keep);
    out.assign(kept, '\0');
    if (!ReadBytes(&out[0], kept))
        return false;
    return Skip(count - kept);
}

QbxWriter::QbxWriter(std::FILE* file) : m_file(file) {
    long pos = m_file ? std::ftell(m_file) : -1;
    if (pos < 0)
        m_ok = false;
    else
        m_pos = static_cast<uint64_t>(pos);
}

void QbxWriter::WriteBytes(const void* data, size_t count) {
    if (!m_ok)
        return;
    if (count != 0 && std::fwrite(data, 1, count, m_file) != count) {
        m_ok = false;
        return;
    }
    m_pos += count;
}

void QbxWriter::WriteU8(uint8_t value) {
    WriteBytes(&value, 1);
}

void QbxWriter::WriteU16(uint16_t value) {
    uint8_t b[2];
    PutLe16(b, value);
    WriteBytes(b, 2);
}

void QbxWriter::WriteU32(uint32_t value) {
    uint8_t b[4];
    PutLe32(b, value);
    WriteBytes(b, 4);
}

void QbxWriter::WriteString(const std::string& value, const std::u16string& wide) {
    if (wide.empty()) {
        WriteLength(value.size());
        WriteBytes(value.data(), value.size());
        return;
    }
    // The UTF-16 form that every reader of these files accepts: a reader that knows only
    // 8-bit text takes it through its code page.
    WriteU8(kLongPrefix);
    WriteU16(kWideMark);
    WriteLength(wide.size());
    std::vector<uint8_t> bytes(wide.size() * 2);
    for (size_t i = 0; i < wide.size(); ++i)
        PutLe16(&bytes[2 * i], wide[i]);
    WriteBytes(bytes.data(), bytes.size());
}

void QbxWriter::WriteLength(uint64_t length) {
    if (length > UINT32_MAX) {
        m_ok = false; // cannot be stored; better no file than a wrong one
        return;
    }
    if (length < 255) {
        WriteU8(static_cast<uint8_t>(length));
    } else if (length < 65534) {
        WriteU8(kLongPrefix);
        WriteU16(static_cast<uint16_t>(length));
    } else {
        WriteU8(kLongPrefix);
        WriteU16(kDwordMark);
        WriteU32(static_cast<uint32_t>(length));
    }
}

uint64_t QbxStringSize(uint64_t length) {
    return length + (length < 255 ? 1 : length < 65534 ? 3 : 7);
}
