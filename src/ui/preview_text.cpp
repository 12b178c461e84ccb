#include "ui/preview_text.h"

#include "app/service_wnd.h"
#include "platform/ui_strings.h"

namespace {
constexpr size_t kMaxTipText = 511;
// Ids below this are positions of popups, not help texts.
constexpr int32_t kFirstHelpId = 11;

std::string Trimmed(std::string text) {
    if (text.size() > kMaxTipText)
        text.resize(kMaxTipText);
    const char* blanks = " \t\r\n";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
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
        if (tip.text.empty() && !s.m_pSelItem->IsTextLike())
            tip.picture = s.m_pSelItem;
    } else {
        tip.text = Trimmed(LoadUiString(static_cast<unsigned>(tip.tool)));
    }
    return tip;
}
