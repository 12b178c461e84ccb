#include "store/qbx_stream.h"

#include "qbx_test_files.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// Bytes written by `write`, read back through a temporary file.
template <typename F> Bytes Written(F write) {
    FilePtr f(std::tmpfile());
    QbxWriter out(f.get());
    write(out);
    EXPECT_TRUE(out.Ok());
    Bytes b(static_cast<size_t>(out.Tell()));
    std::rewind(f.get());
    EXPECT_EQ(std::fread(b.data(), 1, b.size(), f.get()), b.size());
    return b;
}

FilePtr TempFileOf(const Bytes& bytes) {
    FilePtr f(std::tmpfile());
    std::fwrite(bytes.data(), 1, bytes.size(), f.get());
    std::rewind(f.get());
    return f;
}

// A reader over `bytes`, its file kept open for the reader's lifetime.
struct ReaderOver {
    explicit ReaderOver(const Bytes& bytes) : file(TempFileOf(bytes)), in(file.get()) {}
    FilePtr file;
    QbxReader in;
};

} // namespace

TEST(QbxString, LengthPrefixesChangeAt255And65534) {
    struct Case {
        size_t length;
        Bytes prefix;
    } cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {300, {0xFF, 0x2C, 0x01}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        std::string s;
        for (size_t i = 0; i < c.length; ++i)
            s += static_cast<char>('a' + i % 26);
        Bytes b = Written([&](QbxWriter&w) { w.WriteString(s); }), expected = c.prefix;
        Append(expected, s);
        EXPECT_EQ(b, expected) << c.length;
        EXPECT_EQ(QbxStringSize(c.length), b.size());

        // The head keeps the beginning and tells the whole length.
        ReaderOver r(b), h(b);
        std::string back, head;
        uint32_t length = 7;
        const bool read = r.in.ReadString(back), readHead = h.in.ReadStringHead(head, 10, length);
        EXPECT_EQ(
            std::make_tuple(read, back, r.in.Remaining(), readHead, head, length, h.in.Remaining()),
            std::make_tuple(true, s, uint64_t(0), true, s.substr(0, 10), uint32_t(c.length),
                            uint64_t(0)))
            << c.length;
    }
}

TEST(QbxString, WideFormGoesThroughTheCodePageUpToItsFirstNul) {
    // 0xFF 0xFFFE, then a one-byte unit count, then UTF-16: "Пр" "é" "A" NUL "B".
    Bytes b = {0xFF, 0xFE, 0xFF, 6};
    for (uint16_t u : {0x041F, 0x0440, 0x00E9, 0x0041, 0x0000, 0x0042})
        AppendU16(b, u);
    b.push_back('z'); // the next field starts right after the six units
    ReaderOver r(b);
    std::string s;
    std::u16string wide;
    ASSERT_TRUE(r.in.ReadString(s, &wide));
    EXPECT_EQ(s, "??\xE9"
                 "A");
    EXPECT_EQ(wide, u"\u041F\u0440\u00E9A");
    uint8_t next;
    ASSERT_TRUE(r.in.ReadU8(next));
    EXPECT_EQ(next, 'z');

    // The unit count may itself take the three-byte form; its head is read like any other.
    const std::u16string euros(300, u'\u20AC');
    const Bytes longForm = Written([&](QbxWriter& w) { w.WriteString("", euros); });
    EXPECT_EQ(Bytes(longForm.begin(), longForm.begin() + 6),
              (Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01}));
    ReaderOver r2(longForm), r3(longForm);
    std::string head;
    uint32_t length = 7;
    ASSERT_TRUE(r2.in.ReadString(s, &wide) && r3.in.ReadStringHead(head, 10, length));
    // The euro sign has its place in the code page.
    EXPECT_EQ(
        std::make_tuple(s, wide, head, length),
        std::make_tuple(std::string(300, '\x80'), std::u16string(), std::string(10, '\x80'), 300u));
}

TEST(QbxString, LengthsPastTheEndFailWithoutReading) {
    std::vector<Bytes> hostile = {
        {0x05, 'a', 'b'},                                // short by three bytes
        {0xFF, 0x2C},                                    // prefix itself cut
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}, // claims 4 GB
        {0xFF, 0xFE, 0xFF, 0x03, 0x41, 0x00, 0x42},      // odd byte count: 3 units, 1.5 there
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x41, 0x00}, // 2G units
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0x00}, // a wide mark inside the wide form
    };
    for (const Bytes& b : hostile) {
        ReaderOver r(b);
        std::string s = "old";
        EXPECT_FALSE(r.in.ReadString(s)) << b.size();
        EXPECT_FALSE(r.in.Ok());
        uint8_t x;
        EXPECT_FALSE(r.in.ReadU8(x)) << "a failed reader stays failed";
    }
}
