// Any byte string through the Rich Text reader: no crash, no sanitizer report, bounded
// output, and a failed read hands back the source unchanged.
#include "store/clip_item.h"
#include "store/rtf_text.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string rtf(reinterpret_cast<const char*>(data), size);
    std::string text;
    const bool ok = ExtractRtfText(rtf.data(), rtf.size(), text);
    // No input byte becomes more than two output bytes (a line feed becomes CR LF).
    if (ok && text.size() > 2 * size)
        std::abort();
    const std::string plain = RtfPlainText(rtf);
    if (ok ? plain != text : plain != rtf)
        std::abort();
    auto item = CClipItem::FromRtf(rtf);
    if (item->size != plain.size() || item->caption.size() > 35)
        std::abort();
    return 0;
}
