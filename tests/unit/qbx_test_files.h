#pragma once
// Temporary program folders, byte-level file helpers and items for the collection file tests.
#include "store/clip_item.h"
#include "fakes/fake_text.h"
#include "platform/win_constants.h"
#include "store/program_files.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

using Bytes = std::vector<uint8_t>;

// A fresh folder under the system's temp folder that acts as the program's folder for the
// test's lifetime; removed afterwards.
class TempProgramFolder {
public:
    TempProgramFolder() {
        char pattern[] = "/tmp/qbxtest.XXXXXX";
        const char* made = mkdtemp(pattern);
        EXPECT_NE(made, nullptr);
        m_dir = made ? made : "/tmp";
        SetProgramPath(m_dir + "/quillbox.exe");
    }
    ~TempProgramFolder() {
        std::string cmd = "chmod -R u+w '" + m_dir + "' && rm -rf '" + m_dir + "'";
        if (std::system(cmd.c_str()) != 0)
            ADD_FAILURE() << "could not remove " << m_dir;
    }
    const std::string& Dir() const { return m_dir; }
    std::string Path(const std::string& name) const { return m_dir + "/" + name; }

private:
    std::string m_dir;
};

// The bytes of a file; none when it cannot be read.
inline Bytes ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Helpers that check something report the line they were called from.
inline void WriteAll(const std::string& path, const Bytes& bytes,
                     const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()))
        ADD_FAILURE_AT(file, line) << "could not write " << path;
    if (f)
        std::fclose(f);
}

inline void Append(Bytes& b, const std::string& s) {
    b.insert(b.end(), s.begin(), s.end());
}
inline void Append(Bytes& b, std::initializer_list<uint8_t> l) {
    b.insert(b.end(), l);
}
inline void AppendU16(Bytes& b, uint16_t v) {
    Append(b, {uint8_t(v), uint8_t(v >> 8)});
}
inline void AppendU32(Bytes& b, uint32_t v) {
    Append(b, {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)});
}
// A short string with its one-byte length.
inline void AppendShort(Bytes& b, const std::string& s) {
    b.push_back(static_cast<uint8_t>(s.size()));
    Append(b, s);
}

// The magic string and a preference block of zeros: the smallest valid file.
inline Bytes EmptyCollectionFile() {
    Bytes b;
    AppendShort(b, "QBX_2.9");
    b.resize(40, 0);
    return b;
}

// Writes the `width` low bytes of `v` at `at`, lowest first.
inline void Put(Bytes& b, size_t at, uint32_t v, int width) {
    for (int i = 0; i < width; ++i)
        b[at + size_t(i)] = static_cast<uint8_t>(v >> (8 * i));
}

// A DIB block of `total` bytes; byte i after the header holds i & 0xFF, so that a wrong cut
// shows in the content.
inline Bytes InfoDib(int32_t w, int32_t h, uint16_t bits, size_t total = 2048,
                     uint32_t compression = 0, uint32_t used = 0, uint32_t headerSize = 40) {
    Bytes b(total);
    Put(b, 0, headerSize, 4);
    Put(b, 4, static_cast<uint32_t>(w), 4);
    Put(b, 8, static_cast<uint32_t>(h), 4);
    Put(b, 12, 1, 2);
    Put(b, 14, bits, 2);
    Put(b, 16, compression, 4);
    Put(b, 32, used, 4);
    for (size_t i = 40; i < total; ++i)
        b[i] = static_cast<uint8_t>(i);
    return b;
}

// A small packed DIB of w x h at 24 bits, exactly as long as its pixel rows.
inline Bytes MakeDib(int32_t w, int32_t h) {
    const uint32_t bits = ((static_cast<uint32_t>(w) * 3 + 3) & ~3u) * uint32_t(h < 0 ? -h : h);
    Bytes b = InfoDib(w, h, 24, 40 + bits);
    Put(b, 20, bits, 4);
    return b;
}

// A CF_HDROP block: the DROPFILES header, then the paths each ended by NUL, then a NUL.
inline Bytes FileDropBlock(const std::vector<std::string>& paths, bool wide) {
    Bytes b(win::DROPFILES_SIZE, 0);
    b[0] = uint8_t(win::DROPFILES_SIZE); // pFiles
    b[16] = wide ? 1 : 0;                // fWide
    auto put = [&](char c) {
        b.push_back(uint8_t(c));
        if (wide)
            b.push_back(0);
    };
    for (const std::string& p : paths) {
        for (char c : p)
            put(c);
        put('\0');
    }
    put('\0');
    return b;
}

// An item of any kind with its text (and size) and html set, as a file reader leaves it.
inline std::unique_ptr<CClipItem> Item(const std::string& caption, uint16_t type,
                                       const std::string& text, const std::string& html = "") {
    auto item = std::make_unique<CClipItem>();
    item->caption = caption;
    item->type = type;
    item->text = text;
    item->size = static_cast<uint32_t>(text.size());
    item->SetHtml(html);
    return item;
}

inline std::unique_ptr<CClipItem> Bitmap(const std::string& caption, const Bytes& dib,
                                         const std::string& html = "") {
    auto item = Item(caption, CLIP_BITMAP, "", html);
    item->dib = dib;
    item->size = static_cast<uint32_t>(dib.size());
    return item;
}
