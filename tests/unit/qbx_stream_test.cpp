#include "store/qbx_stream.h"

#include "qbx_test_files.h"

#include <gtest/gtest.h>

namespace {

// Bytes written by `write`, read back through a temporary file.
template <typename F> Bytes Written(F write) {
    std::FILE* f = std::tmpfile();
    QbxWriter out(f);
    write(out);
    EXPECT_TRUE(out.Ok());
    std::rewind(f);
    Bytes b;
    int c;
    while ((c = std::fgetc(f)) != EOF)
        b.push_back(static_cast<uint8_t>(c));
    std::fclose(f);
    return b;
}

// A reader over `bytes` kept open for the test.
class ReaderOver {
public:
    explicit ReaderOver(const Bytes& bytes) : m_file(std::tmpfile()) {
        if (!bytes.empty())
            std::fwrite(bytes.data(), 1, bytes.size(), m_file);
        std::rewind(m_file);
        m_reader = std::make_unique<QbxReader>(m_file);
    }
    ~ReaderOver() { std::fclose(m_file); }
    QbxReader& operator*() { return *m_reader; }
    QbxReader* operator->() { return m_reader.get(); }

private:
    std::FILE* m_file;
    std::unique_ptr<QbxReader> m_reader;
};

Bytes Prefix(const Bytes& b, size_t n) {
    return Bytes(b.begin(), b.begin() + n);
}

} // namespace

TEST(QbxString, LengthPrefixesChangeAt255And65534) {
    struct Case {
        size_t length;
        Bytes prefix;
    } cases[] = {
        {0, {0x00}},
        {5, {0x05}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {300, {0xFF, 0x2C, 0x01}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        std::string s(c.length, 'x');
        Bytes b = Written([&](QbxWriter& w) { w.WriteString(s); });
        ASSERT_EQ(b.size(), c.prefix.size() + c.length) << c.length;
        EXPECT_EQ(Prefix(b, c.prefix.size()), c.prefix) << c.length;
        EXPECT_EQ(QbxStringSize(c.length), b.size());

        ReaderOver r(b);
        std::string back;
        ASSERT_TRUE(r->ReadString(back)) << c.length;
        EXPECT_EQ(back, s);
        EXPECT_EQ(r->Remaining(), 0u);
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
    ASSERT_TRUE(r->ReadString(s, &wide));
    EXPECT_EQ(s, "??\xE9"
                 "A");
    EXPECT_EQ(wide, u"\u041F\u0440\u00E9A");
    uint8_t next;
    ASSERT_TRUE(r->ReadU8(next));
    EXPECT_EQ(next, 'z');

    // The unit count may itself take the three-byte form; its head is read like any other.
    Bytes longForm = {0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01};
    for (int i = 0; i < 300; ++i)
        AppendU16(longForm, 0x20AC);
    ReaderOver r2(longForm);
    ASSERT_TRUE(r2->ReadString(s, &wide));
    EXPECT_EQ(s, std::string(300, '\x80')) << "the euro sign has its place in the code page";
    EXPECT_EQ(wide, u"");
    ReaderOver r3(longForm);
    uint32_t length = 7;
    ASSERT_TRUE(r3->ReadStringHead(s, 10, length));
    EXPECT_EQ(s, std::string(10, '\x80'));
    EXPECT_EQ(length, 300u);
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
        EXPECT_FALSE(r->ReadString(s)) << b.size();
        EXPECT_FALSE(r->Ok());
        uint8_t x;
        EXPECT_FALSE(r->ReadU8(x)) << "a failed reader stays failed";
    }
}

TEST(QbxString, HeadKeepsTheBeginningAndReportsTheFullLength) {
    std::string text(70000, 'q');
    text[0] = 'A';
    Bytes b = Written([&](QbxWriter& w) {
        w.WriteString(text);
        w.WriteU8(0x5A);
    });
    ReaderOver r(b);
    std::string head;
    uint32_t length = 0;
    ASSERT_TRUE(r->ReadStringHead(head, 10, length));
    EXPECT_EQ(length, 70000u);
    EXPECT_EQ(head, text.substr(0, 10));
    uint8_t next;
    ASSERT_TRUE(r->ReadU8(next));
    EXPECT_EQ(next, 0x5A);
}
