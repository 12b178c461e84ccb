#include "store/clip_item.h"

#include "platform/code_page.h"
#include "platform/data_offer.h"
#include "platform/win_constants.h"
#include "store/byte_block.h"
#include "store/dib_header.h"
#include "store/rtf_text.h"
#include "store/text_rules.h"
#include "store/wide_text.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t kMaxWidePathUnits = 260;
// Where pFiles and fWide lie in the DROPFILES header before a file list.
constexpr size_t kDropFilesPFiles = 0;
constexpr size_t kDropFilesFWide = 16;
constexpr uint8_t kBitmapCounterWrap = 200;

// One path of an 8-bit list starting at `pos`; a path cut by the end of the block counts.
std::string NextPath(const uint8_t* data, size_t size, size_t& pos) {
    const uint8_t* start = data + pos;
    const void* nul = std::memchr(start, 0, size - pos);
    const size_t length =
        nul ? static_cast<size_t>(static_cast<const uint8_t*>(nul) - start) : size - pos;
    pos += nul ? length + 1 : length;
    return std::string(reinterpret_cast<const char*>(start), length);
}

// One path of a UTF-16 list, at most its first 260 units.
std::u16string NextWidePath(const uint8_t* data, size_t size, size_t& pos) {
    std::u16string units;
    while (pos + 1 < size) {
        const char16_t u = static_cast<char16_t>(GetLe16(data + pos));
        pos += 2;
        if (u == 0)
            break;
        if (units.size() < kMaxWidePathUnits)
            units += u;
    }
    if (pos + 1 >= size && pos < size)
        pos = size; // an odd last byte belongs to no unit
    return units;
}

} // namespace

CClipItem::CClipItem() = default;
CClipItem::~CClipItem() = default;

CClipItem::CClipItem(const CClipItem& other)
    : owner(other.owner), caption(other.caption), text(other.text), wideText(other.wideText),
      wideCaption(other.wideCaption), html(other.html), preview(other.preview), type(other.type),
      flags(other.flags), fileOffset(0), size(other.size), dib(other.dib) {}

std::unique_ptr<CClipItem> CClipItem::FromText(const std::string& text) {
    auto item = std::make_unique<CClipItem>();
    item->type = CLIP_TEXT;
    item->text = text;
    item->SetCaptionFromText(text);
    item->SetPreview(text);
    return item;
}

std::unique_ptr<CClipItem> CClipItem::FromRtf(const std::string& rtfSource) {
    auto item = std::make_unique<CClipItem>();
    item->type = CLIP_RTF;
    item->text = rtfSource;
    const std::string plain = RtfPlainText(rtfSource);
    item->SetCaptionFromText(plain);
    item->SetPreview(plain);
    const std::u16string wide = RtfPlainWide(rtfSource);
    std::string narrow;
    if (!codepage::FromWide(wide, narrow))
        item->SetCaptionFromWide(wide);
    return item;
}

std::unique_ptr<CClipItem> CClipItem::FromWideText(const std::u16string& text) {
    DualText dual = SplitWide(text);
    auto item = FromText(dual.text);
    if (!dual.wide.empty()) {
        item->SetCaptionFromWide(dual.wide);
        item->wideText = std::move(dual.wide);
    }
    return item;
}

std::unique_ptr<CClipItem> CClipItem::FromFileList(const uint8_t* data, size_t size, bool wide) {
    auto item = std::make_unique<CClipItem>();
    item->type = wide ? CLIP_FILES_WIDE : CLIP_FILES;
    std::string first;
    std::u16string firstWide;
    std::u16string wideList;
    size_t count = 0;
    size_t pos = 0;
    while (data != nullptr && pos < size) {
        std::string path;
        if (wide) {
            const std::u16string units = NextWidePath(data, size, pos);
            if (!units.empty()) {
                if (count == 0)
                    firstWide = units;
                wideList += units + u"\r\n";
            }
            path = SplitWide(units).text;
        } else {
            path = NextPath(data, size, pos);
        }
        if (path.empty())
            break;
        if (count++ == 0)
            first = path;
        item->text += path;
        item->text += "\r\n";
    }
    item->caption = FileListCaption(first, count);
    // Paths the code page cannot carry are kept whole, so drops and pastes still find them.
    if (wide && !SplitWide(wideList).wide.empty()) {
        item->wideText = wideList;
        item->wideCaption = SplitWide(FileListCaption(firstWide, count)).wide;
    }
    item->size = static_cast<uint32_t>(item->text.size());
    item->SetPreview(item->text);
    return item;
}

std::unique_ptr<CClipItem> CClipItem::FromDropFiles(const std::vector<uint8_t>& block) {
    if (block.size() < win::DROPFILES_SIZE)
        return nullptr;
    const uint32_t offset = GetLe32(&block[kDropFilesPFiles]);
    const bool wide = GetLe32(&block[kDropFilesFWide]) != 0;
    if (offset > block.size())
        return nullptr;
    auto item = FromFileList(block.data() + offset, block.size() - offset, wide);
    if (item->text.empty())
        return nullptr; // no paths: nothing worth keeping
    return item;
}

std::unique_ptr<CClipItem> CClipItem::FromDib(std::vector<uint8_t> dib, uint8_t& bitmapCounter) {
    auto item = std::make_unique<CClipItem>();
    item->type = CLIP_BITMAP;
    item->size = static_cast<uint32_t>(dib.size());
    bitmapCounter = static_cast<uint8_t>(bitmapCounter + 1);
    item->caption = BitmapCaption(bitmapCounter, ReadDibHeader(dib));
    if (bitmapCounter >= kBitmapCounterWrap)
        bitmapCounter = 0;
    item->dib = std::move(dib);
    return item;
}

std::unique_ptr<CClipItem> CClipItem::NewCollection(const std::string& name) {
    auto item = std::make_unique<CClipItem>();
    item->type = CLIP_COLLECTION;
    item->caption = name;
    return item;
}

void CClipItem::SetCaptionFromText(const std::string& value) {
    size = static_cast<uint32_t>(value.size());
    caption = CaptionFromText(value);
}

void CClipItem::SetCaptionFromWide(const std::u16string& value) {
    DualText dual = SplitWide(CaptionFromText(value));
    caption = std::move(dual.text);
    wideCaption = std::move(dual.wide);
}

std::u16string CClipItem::ShownWideCaption() const {
    std::string narrow;
    if (wideCaption.empty() || (codepage::FromWide(wideCaption, narrow), narrow != caption))
        return std::u16string();
    return wideCaption;
}

std::u16string CClipItem::WidePlainText() const {
    if (type == CLIP_RTF)
        return RtfPlainWide(text);
    return WideOf(text, wideText);
}

void CClipItem::SetPreview(const std::string& value) {
    preview = PreviewFromText(value);
}

void CClipItem::SetContentText(const std::string& value, const std::u16string& wide) {
    text = value;
    wideText = type == CLIP_RTF ? std::u16string() : wide;
    fileOffset = 0;
    if (type == CLIP_RTF) {
        const std::string plain = RtfPlainText(value);
        size = static_cast<uint32_t>(plain.size());
        SetPreview(plain);
    } else {
        size = static_cast<uint32_t>(value.size());
        SetPreview(value);
    }
}

void CClipItem::SetHtml(const std::string& value) {
    html = value;
    if (html.empty())
        flags &= static_cast<uint16_t>(~CLIP_HAS_HTML);
    else
        flags |= CLIP_HAS_HTML;
}

void CClipItem::AttachHtml(const IDataOffer& offer, unsigned htmlFormat) {
    SetHtml(std::string());
    std::vector<uint8_t> data;
    if (!offer.IsFormatAvailable(htmlFormat) || !offer.GetData(htmlFormat, data))
        return;
    SetHtml(BlockString(data));
}

bool IsTextLikeType(uint16_t type) {
    return type == CLIP_TEXT || type == CLIP_FILES || type == CLIP_FILES_WIDE || type == CLIP_RTF;
}

bool CClipItem::IsTextLike() const {
    return IsTextLikeType(type);
}

const char* CClipItem::GetFileExtension() const {
    if (type == CLIP_RTF)
        return ".rtf";
    return IsTextLike() ? ".txt" : ".bmp";
}

PixelRect BitmapDrawRect(int w, int h, const PixelRect& rect) {
    // Sizes as drawn: a top-down DIB has a negative height but is drawn upright.
    int64_t width = std::llabs(static_cast<int64_t>(w));
    int64_t height = std::llabs(static_cast<int64_t>(h));
    const int64_t boxW = std::max<int64_t>(0, int64_t(rect.right) - rect.left);
    const int64_t boxH = std::max<int64_t>(0, int64_t(rect.bottom) - rect.top);
    if (width > boxW) {
        height = boxW * height / width;
        width = boxW;
    }
    if (height > boxH) {
        width = boxH * width / height;
        height = boxH;
    }
    PixelRect out;
    out.left = static_cast<int>(rect.left + (boxW - width) / 2);
    out.top = static_cast<int>(rect.top + (boxH - height) / 2);
    out.right = static_cast<int>(out.left + width);
    out.bottom = static_cast<int>(out.top + height);
    return out;
}
