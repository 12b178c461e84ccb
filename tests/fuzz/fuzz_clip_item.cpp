// Clipboard blocks of any shape through the file-list and bitmap constructors and the
// derived-text rules: reading stays inside the block, sizes and captions stay bounded.
#include "store/bitmap_file.h"
#include "store/clip_item.h"
#include "store/dib_header.h"
#include "store/text_rules.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const uint8_t mode = data[0];
    // An exactly sized copy, so that any read past it is caught.
    const std::vector<uint8_t> block(data + 1, data + size);

    auto files = CClipItem::FromFileList(block.data(), block.size(), (mode & 1) != 0);
    if (files->size != files->text.size() || files->text.size() > 2 * block.size() + 2)
        std::abort();

    uint8_t counter = mode;
    auto bitmap = CClipItem::FromDib(block, counter);
    if (counter >= 200 || bitmap->dib.size() != block.size())
        std::abort();
    const size_t bits = DibBitsOffset(bitmap->dib);
    if (bits > block.size())
        std::abort();

    // The bitmap file made of the block: the header's fields agree with what is written, and
    // writing reads only the block.
    const BitmapFileLayout layout = BitmapFileLayoutOf(block.data(), block.size());
    if (layout.valid &&
        (layout.dibBytes > block.size() ||
         layout.fileSize != kBitmapFileHeaderSize + layout.dibBytes ||
         layout.bitsOffset < kBitmapFileHeaderSize || layout.bitsOffset > layout.fileSize))
        std::abort();
    static std::FILE* sink = std::fopen("/dev/null", "wb");
    if (sink && WriteBitmapFile(sink, block.data(), block.size()) != layout.valid)
        std::abort();

    const DibHeader h = ReadDibHeader(block);
    int32_t box[4] = {};
    if (block.size() >= 16)
        std::memcpy(box, block.data(), sizeof box);
    const PixelRect rect{box[0], box[1], box[2], box[3]};
    const PixelRect r = BitmapDrawRect(h.width, h.height, rect);
    if (rect.right >= rect.left && rect.bottom >= rect.top &&
        int64_t(rect.right) - rect.left < (int64_t(1) << 31) &&
        int64_t(rect.bottom) - rect.top < (int64_t(1) << 31) &&
        (r.left < rect.left || r.right > rect.right || r.top < rect.top || r.bottom > rect.bottom))
        std::abort();

    const std::string text(block.begin(), block.end());
    if (CaptionFromText(text).size() > 35 || PreviewFromText(text).size() > 511)
        std::abort();
    const std::u16string wide = WidenFileList(text);
    if (wide.size() > text.size() + 2)
        std::abort();
    return 0;
}
