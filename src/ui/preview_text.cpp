#include "ui/preview_text.h"

#include "app/service_wnd.h"
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

TipSubject TipSubjectOf(const CServiceWnd& s) {
    TipSubject tip;
    if (s.m_hTrackedMenu) {
        tip.tool = s.m_nSelId;
        if (s.m_nSelId >= kFirstHelpId)
            tip.text = Trimmed(LoadUiString(static_cast<unsigned>(s.m_nSelId)));
        return tip;
    }
    tip.tool = s.m_nSelEntryId;
    if (tip.tool == -1)
        return tip;
    if (s.m_pSelItem) {
        tip.text = Trimmed(s.m_pSelItem->preview);
        tip.wideText = WidePreviewOf(*s.m_pSelItem);
        if (tip.text.empty() && !s.m_pSelItem->IsTextLike())
            tip.picture = s.m_pSelItem;
    } else {
        tip.text = Trimmed(LoadUiString(static_cast<unsigned>(tip.tool)));
    }
    return tip;
}
