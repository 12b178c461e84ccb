#include "ui/preview_text.h"

#include "store/clip_item.h"
#include "platform/ui_strings.h"
#include "store/text_rules.h"
#include "store/trim.h"

namespace {
constexpr size_t kMaxTipText = 511;
// Ids below this are positions of popups, not help texts.
constexpr int32_t kFirstHelpId = 11;

std::string Trimmed(const std::string& text) {
    return Trim(text.substr(0, kMaxTipText), " \t\r\n");
}

// The preview in UTF-16 of an item whose text the code page cannot carry; empty otherwise
// (and for items whose text still lies in their file).
std::u16string WidePreviewOf(const CClipItem& item) {
    if (item.wideText.empty() && (item.type != CLIP_RTF || item.wideCaption.empty()))
        return std::u16string();
    return PreviewFromText(item.WidePlainText());
}
} // namespace

TipSubject TipSubjectOf(const MenuHighlight& h) {
    TipSubject tip;
    if (h.contextMenu) {
        tip.tool = h.selId;
        if (h.selId >= kFirstHelpId)
            tip.text = Trimmed(LoadUiString(static_cast<unsigned>(h.selId)));
        return tip;
    }
    tip.tool = h.entryId;
    if (tip.tool == -1)
        return tip;
    if (h.item) {
        tip.text = Trimmed(h.item->preview);
        tip.wideText = WidePreviewOf(*h.item);
        if (tip.text.empty() && !h.item->IsTextLike())
            tip.picture = h.item;
    } else {
        tip.text = Trimmed(LoadUiString(static_cast<unsigned>(tip.tool)));
    }
    return tip;
}
