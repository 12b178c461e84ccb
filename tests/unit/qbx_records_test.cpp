#include "store/collection_file.h"

#include "qbx_test_files.h"

#include <gtest/gtest.h>

namespace {

// The file `items` make, without its 40 bytes of magic and preferences.
Bytes RecordsOf(const TempProgramFolder& dir, ClipList& items, const char* file = __builtin_FILE(),
                int line = __builtin_LINE()) {
    if (!WriteQbxFile(dir.Path("r.qbx"), QbxLayout::Active, CPreferences(), items))
        ADD_FAILURE_AT(file, line) << "not written";
    Bytes all = ReadAll(dir.Path("r.qbx"));
    return all.size() < 40 ? Bytes() : Bytes(all.begin() + 40, all.end());
}

} // namespace

TEST(ItemRecord, CaptionTypeContentAndHtml) {
    TempProgramFolder dir;
    const Bytes dib = MakeDib(3, 2);
    ClipList items;
    items.push_back(Item("abc", CLIP_TEXT, "hello"));
    EXPECT_EQ(RecordsOf(dir, items),
              (Bytes{0x03, 'a', 'b', 'c', 0x01, 0x00, 0x05, 'h', 'e', 'l', 'l', 'o', 0x00}));
    EXPECT_EQ(items[0]->fileOffset, 0u) << "content in memory stays in memory";

    // A bitmap's content is its length word and its DIB; the writer takes the DIB's size.
    items[0] = Bitmap("pic", dib);
    items[0]->size = 1;
    items[0]->SetHtml("<b>");
    Bytes expected = {0x03, 'p', 'i', 'c', 0x08, 0x00};
    AppendU32(expected, static_cast<uint32_t>(dib.size()));
    expected.insert(expected.end(), dib.begin(), dib.end());
    Append(expected, {0x03, '<', 'b', '>'});
    EXPECT_EQ(RecordsOf(dir, items), expected);
    EXPECT_EQ(items[0]->size, dib.size());
}

TEST(ItemRecord, HostileLengthsEndTheFileWithoutBeingBelieved) {
    TempProgramFolder dir;
    Bytes good = EmptyCollectionFile();
    AppendShort(good, "ok");
    AppendU16(good, CLIP_TEXT);
    AppendShort(good, "kept");
    good.push_back(0);

    Bytes giantDib = {0x01, 'b'};
    AppendU16(giantDib, CLIP_BITMAP);
    AppendU32(giantDib, 0xFFFFFFF0);
    Append(giantDib, {1, 2, 3, 4});
    const struct {
        const char* what;
        Bytes tail;
    } cases[] = {
        {"giant DIB", giantDib},
        {"giant text", {0x01, 't', 0x01, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'x'}},
        {"giant caption", {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x40}},
        {"odd UTF-16", {0x01, 'w', 0x01, 0x00, 0xFF, 0xFE, 0xFF, 0x02, 'A', 0x00, 'B'}},
        {"html missing", {0x01, 'h', 0x01, 0x00, 0x01, 'x'}},
    };
    for (const auto& c : cases) {
        Bytes file = good;
        file.insert(file.end(), c.tail.begin(), c.tail.end());
        WriteAll(dir.Path("h.qbx"), file);
        for (RecordContent content : {RecordContent::Keep, RecordContent::Drop}) {
            ClipList back;
            QbxReadResult r =
                ReadQbxFile(dir.Path("h.qbx"), QbxLayout::Active, nullptr, back, content);
            ASSERT_EQ(back.size(), 1u) << c.what;
            EXPECT_EQ(back[0]->size, 4u) << c.what;
            EXPECT_FALSE(r.whole) << c.what;
            EXPECT_EQ(r.stopAt, good.size()) << c.what;
        }
        EXPECT_FALSE(CheckQbxFile(dir.Path("h.qbx")).whole) << c.what;
    }
}
