#pragma once
// Little-endian integers and length-prefixed strings of the collection files, over stdio.
//
// A string is a length prefix and that many 8-bit bytes, no terminator:
//   length < 255           one byte
//   255 .. 65,533          0xFF, then a 16-bit length
//   65,534 or more         0xFF, 0xFFFF, then a 32-bit length
// Readers also accept 0xFF, 0xFFFE, a second prefix of the first kind and that many UTF-16
// units, which are taken through the ANSI code page. Writers use that form only for text
// the code page cannot carry.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Opens a file for reading in binary mode, with a buffer sized for record reading.
FilePtr OpenForReading(const std::string& path);
// Takes a file opened for reading (or null) and sizes its buffer for record reading.
FilePtr ForRecordReading(std::FILE* file);

// Reads one collection file. The file is measured once, and no length read from it is
// believed beyond its end: such a read fails as a read at the end of the file would,
// before anything is allocated. After a failed read the reader stays failed.
class QbxReader {
public:
    explicit QbxReader(std::FILE* file);

    bool Ok() const { return m_ok; }
    uint64_t Size() const { return m_size; }
    uint64_t Tell() const { return m_pos; }
    uint64_t Remaining() const { return m_size - m_pos; }

    bool Seek(uint64_t pos);
    bool Skip(uint64_t count);
    bool ReadBytes(void* out, size_t count);
    bool ReadU8(uint8_t& value);
    bool ReadU16(uint16_t& value);
    bool ReadU32(uint32_t& value);

    // A string in the UTF-16 form comes through the code page; `wide` (if given) receives
    // its units when the code page cannot carry them, else it is emptied.
    bool ReadString(std::string& out, std::u16string* wide = nullptr);
    // Reads a whole string but keeps only its first `keep` bytes; `length` receives the
    // full length. Cheap for long 8-bit strings of which only the beginning is wanted.
    bool ReadStringHead(std::string& out, size_t keep, uint32_t& length,
                        std::u16string* wide = nullptr);

private:
    bool Fail();
    // The length of the next string; `wide` is set for the UTF-16 form (length in units).
    bool ReadLength(uint32_t& length, bool& wide);
    bool ReadWide(std::string& out, std::u16string* wide, uint32_t units, size_t keep,
                  uint32_t& length);

    std::FILE* m_file;
    uint64_t m_size = 0;
    uint64_t m_pos = 0;
    bool m_ok = false;
};

// Writes a collection file and remembers whether every write succeeded.
class QbxWriter {
public:
    explicit QbxWriter(std::FILE* file);

    bool Ok() const { return m_ok; }
    uint64_t Tell() const { return m_pos; }

    void WriteBytes(const void* data, size_t count);
    void WriteU8(uint8_t value);
    void WriteU16(uint16_t value);
    void WriteU32(uint32_t value);
    // With `wide`, the UTF-16 form of the string (`value` is then not written).
    void WriteString(const std::string& value, const std::u16string& wide = {});

private:
    void WriteLength(uint64_t length);
    std::FILE* m_file;
    uint64_t m_pos = 0;
    bool m_ok = true;
};

// The number of bytes WriteString produces for an 8-bit string of `length` bytes.
uint64_t QbxStringSize(uint64_t length);
