#include "app/drag_data.h"

#include "app/clip_formats.h"
#include "app/paste_text.h"
#include "platform/ui_strings.h"
#include "platform/win_constants.h"
#include "resource.h"
#include "store/rtf_text.h"
#include "store/stored_content.h"

namespace {

bool HtmlAsText(const std::string& html, int32_t x, int32_t y, RenderedData& out) {
    return RenderText(html, CLIP_TEXT, PASTE_NONE, x, y, out);
}

bool DibBlock(std::vector<uint8_t> dib, RenderedData& out) {
    if (dib.empty())
        return false;
    out.format = win::CF_DIB;
    out.block = std::move(dib);
    return true;
}

bool RenderStored(const CClipItem& item, int32_t variant, int32_t x, int32_t y, RenderedData& out) {
    StoredContent stored;
    const bool htmlOfBitmap = !item.IsTextLike() && variant == PASTE_HTML;
    switch (ReadStoredContent(item, stored)) {
    case StoredRead::Unreadable:
        return false;
    case StoredRead::PastEnd:
        out.format = win::CF_TEXT;
        out.block = TextBlock(LoadUiString(IDS_QBX_FILE_ERROR));
        return true;
    case StoredRead::Ok:
        break;
    }
    if (item.IsTextLike()) {
        if (variant == PASTE_HTML)
            return HtmlAsText(stored.html, x, y, out);
        return RenderText(stored.text, item.type, VariantOrNone(variant), x, y, out, stored.wide);
    }
    // Only a file of the current version stores a bitmap's html; else the DIB is offered.
    if (htmlOfBitmap && stored.currentVersion)
        return HtmlAsText(stored.html, x, y, out);
    return DibBlock(std::move(stored.dib), out);
}

} // namespace

bool RenderText(const std::string& text, uint16_t type, int32_t variant, int32_t x, int32_t y,
                RenderedData& out, const std::u16string& wide) {
    if (text.empty())
        return false;
    if (!wide.empty() && (type == CLIP_TEXT || IsPasteVariant(variant))) {
        out.format = win::CF_UNICODETEXT;
        out.block = WideTextBlock(ApplyTextVariant(wide, variant));
        return true;
    }
    if (IsPasteVariant(variant)) {
        const std::string plain = type == CLIP_RTF ? RtfPlainText(text) : text;
        out.format = win::CF_TEXT;
        out.block = TextBlock(ApplyTextVariant(plain, variant));
        return true;
    }
    if (type == CLIP_FILES || type == CLIP_FILES_WIDE) {
        out.block = DropFilesBlock(text, type == CLIP_FILES_WIDE, x, y, wide);
        out.format = win::CF_HDROP;
        return !out.block.empty();
    }
    out.format = type == CLIP_RTF ? g_cfRtf : win::CF_TEXT;
    out.block = TextBlock(text);
    return out.format != 0;
}

bool RenderDragData(const CClipItem& item, int32_t variant, int32_t x, int32_t y,
                    RenderedData& out) {
    if (item.fileOffset != 0)
        return RenderStored(item, variant, x, y, out);
    if (variant == PASTE_HTML)
        return HtmlAsText(item.html, x, y, out);
    if (item.IsTextLike())
        return RenderText(item.text, item.type, VariantOrNone(variant), x, y, out, item.wideText);
    if (!item.html.empty()) {
        out.format = g_cfHtml;
        out.block = TextBlock(item.html);
        return out.format != 0;
    }
    return DibBlock(item.dib, out);
}
