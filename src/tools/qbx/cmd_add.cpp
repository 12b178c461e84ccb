// qbx add FILE --text T | --rtf PATH | --bmp PATH | --files PATH... [--caption C] [--html H]
#include "qbx_tool.h"

#include "store/wide_text.h"

#include "bmp_file.h"
#include "store/collections.h"

namespace {

// A text (plain or Rich Text source) that capture would refuse, and why; empty when it
// passes.
std::string TextRefusal(size_t length, const CPreferences& prefs) {
    if (PassesTextLimits(length, prefs))
        return std::string();
    if (length < prefs.m_nMinTextSize)
        return "the text has " + Counted(length, "character") + ", fewer than " +
               "m_nMinTextSize (" + std::to_string(prefs.m_nMinTextSize) + ")";
    return "the text has " + Counted(length, "character") + ", more than m_nMaxItemSizeKB (" +
           std::to_string(prefs.m_nMaxItemSizeKB) + " KB) allows";
}

// What the user or the cut adds to a new item: a caption of their choice (as a rename gives
// it, for schedules and counters) and the HTML that came with the cut.
struct Extras {
    bool hasCaption = false, hasHtml = false;
    std::string caption, html;
};

// Takes "--caption VALUE" and "--html VALUE" out of the arguments; false when one lacks its
// value.
bool TakeExtras(Args& args, Extras& extras) {
    for (auto it = args.begin(); it != args.end();) {
        const bool caption = *it == "--caption", html = *it == "--html";
        if (!caption && !html) {
            ++it;
            continue;
        }
        if (it + 1 == args.end())
            return false;
        (caption ? extras.caption : extras.html) = *(it + 1);
        (caption ? extras.hasCaption : extras.hasHtml) = true;
        it = args.erase(it, it + 2);
    }
    return true;
}

// Inserts the item at the file's insert position and trims the list to its capacity.
void Insert(QbxDocument& doc, std::unique_ptr<CClipItem> item, const Extras& extras) {
    if (extras.hasCaption) {
        std::u16string wide;
        DualText caption{extras.caption, std::u16string()};
        if (WideFromUtf8(extras.caption, wide))
            caption = SplitWide(wide);
        item->caption = caption.text;
        item->wideCaption = caption.wide;
    }
    if (extras.hasHtml)
        item->SetHtml(extras.html);
    InsertItem(doc.items, std::move(item), doc.prefs);
    TrimToCapacity(doc.items, doc.prefs);
}

bool AddText(QbxDocument& doc, const std::string& text, const Extras& extras, std::string& why) {
    // UTF-8 as the console gives it, measured in characters as capture measures them; bytes
    // that are not UTF-8 are taken as code-page text, as they always were.
    std::u16string wide;
    const bool utf8 = WideFromUtf8(text, wide);
    why = TextRefusal(utf8 ? wide.size() : text.size(), doc.prefs);
    if (!why.empty())
        return false;
    std::unique_ptr<CClipItem> item =
        utf8 ? CClipItem::FromWideText(wide) : CClipItem::FromText(text);
    // Copying the plain form of a listed Rich Text item brings that item forward instead.
    if (std::unique_ptr<CClipItem> reused = RemoveDuplicates(doc.items, *item, doc.prefs))
        item = std::move(reused);
    item->SetHtml(std::string());
    Insert(doc, std::move(item), extras);
    return true;
}

bool AddRtf(QbxDocument& doc, std::string source, const Extras& extras, std::string& why) {
    source = source.substr(0, source.find('\0')); // the clipboard's string ends at its NUL
    why = TextRefusal(source.size(), doc.prefs);
    if (!why.empty())
        return false;
    std::unique_ptr<CClipItem> item = CClipItem::FromRtf(source);
    RemoveDuplicates(doc.items, *item, doc.prefs);
    Insert(doc, std::move(item), extras);
    return true;
}

bool AddBitmap(QbxDocument& doc, const std::string& file, const Extras& extras, std::string& why) {
    std::vector<uint8_t> dib;
    if (!BmpFileToDib(file, dib, why))
        return false;
    if (!FitsMaxItemSize(dib.size(), doc.prefs)) {
        why = "the bitmap has " + std::to_string(dib.size()) + " bytes, more than " +
              "m_nMaxItemSizeKB (" + std::to_string(doc.prefs.m_nMaxItemSizeKB) + " KB) allows";
        return false;
    }
    RemoveEqualBitmaps(doc.items, dib.data(), dib.size());
    Insert(doc, CClipItem::FromDib(std::move(dib), doc.prefs.m_nBitmapCounter), extras);
    return true;
}

void AddFiles(QbxDocument& doc, const Args& paths, const Extras& extras) {
    // The list as a drop hands it over: each path ended by a NUL, then an empty one.
    std::string list;
    for (const std::string& p : paths)
        list += p + '\0';
    list += '\0';
    std::unique_ptr<CClipItem> item =
        CClipItem::FromFileList(reinterpret_cast<const uint8_t*>(list.data()), list.size(), false);
    RemoveDuplicates(doc.items, *item, doc.prefs);
    Insert(doc, std::move(item), extras);
}

} // namespace

int CmdAdd(Args args) {
    const char kUsage[] =
        "usage: qbx add FILE --text T | --rtf PATH | --bmp PATH | --files PATH... "
        "[--caption C] [--html H]";
    LayoutChoice choice = TakeLayoutOption(args);
    Extras extras;
    if (!TakeExtras(args, extras) || args.size() < 3) {
        Complain(kUsage);
        return kExitUsage;
    }
    const std::string path = args[0], kind = args[1];
    const Args values(args.begin() + 2, args.end());
    bool one = values.size() == 1;
    if (kind != "--text" && kind != "--rtf" && kind != "--bmp" && kind != "--files") {
        Complain(kind.compare(0, 2, "--") == 0 ? "unknown option " + kind : kUsage);
        return kind.compare(0, 2, "--") == 0 ? kExitBadInput : kExitUsage;
    }
    if (kind != "--files" && !one) {
        Complain(kUsage);
        return kExitUsage;
    }
    std::string content;
    if ((kind == "--rtf" || kind == "--bmp") && !ReadWholeFile(values[0], content))
        return kExitBadInput;

    QbxDocument doc;
    if (!ReadDocumentForChange(path, LayoutFor(choice, path), doc))
        return kExitBadInput;
    UseFolderOf(path);
    ClampMinTextSize(doc.prefs);
    std::string why;
    bool added = true;
    if (kind == "--text")
        added = AddText(doc, values[0], extras, why);
    else if (kind == "--rtf")
        added = AddRtf(doc, content, extras, why);
    else if (kind == "--bmp")
        added = AddBitmap(doc, content, extras, why);
    else
        AddFiles(doc, values, extras);
    if (!added) {
        Complain("not added: " + why);
        return kExitBadInput;
    }
    return WriteDocument(doc) ? kExitOk : kExitBadInput;
}
