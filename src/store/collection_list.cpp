#include "store/collection_list.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "platform/files.h"
#include "store/collections.h"
#include "store/no_case.h"
#include "store/program_files.h"
#include "store/trim.h"

namespace {

const char kActiveFileName[] = "Clipboard.qbx";
const char kMagic[] = "\x07QBX_2.9"; // the length byte and the seven characters
constexpr long kMinFileSize = 16;

enum class FileKind { Unreadable, Empty, Ignored, Collection };

FileKind Classify(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return FileKind::Unreadable; // e.g. locked by another program: skip it
    char head[8] = {};
    const size_t got = std::fread(head, 1, sizeof head, f);
    long size = 0;
    if (std::fseek(f, 0, SEEK_END) == 0)
        size = std::ftell(f);
    std::fclose(f);
    if (size == 0)
        return FileKind::Empty;
    if (size < kMinFileSize || got != sizeof head || std::memcmp(head, kMagic, sizeof head) != 0)
        return FileKind::Ignored;
    return FileKind::Collection;
}

bool IsDeviceName(const std::string& name) {
    // Windows reserves these names with any extension.
    std::string base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    for (const char* device : {"CON", "PRN", "AUX", "NUL"})
        if (EqualsNoCase(base, device))
            return true;
    if (base.size() == 4 && std::isdigit(static_cast<unsigned char>(base[3])) && base[3] != '0')
        return EqualsNoCase(base.substr(0, 3), "COM") || EqualsNoCase(base.substr(0, 3), "LPT");
    return false;
}

} // namespace

bool CleanCollectionName(const std::string& entered, std::string& name) {
    const std::string clean = Trim(entered);
    if (clean.empty())
        return false;
    for (unsigned char c : clean)
        if (c < 0x20 || std::strchr("<>:\"/\\|?*", c))
            return false;
    if (clean.back() == '.' || IsDeviceName(clean) || EqualsNoCase(clean + ".qbx", kActiveFileName))
        return false;
    name = clean;
    return true;
}

std::string CollectionPath(const std::string& name, const std::string& extension) {
    return ProgramFilePath(name + extension);
}

size_t LoadCollections(ClipList& collections) {
    size_t added = 0;
    for (const std::string& file : files::List(ProgramFilePath(""), ".qbx")) {
        if (EqualsNoCase(file, kActiveFileName))
            continue;
        const std::string path = ProgramFilePath(file);
        switch (Classify(path)) {
        case FileKind::Empty:
            files::Remove(path);
            break;
        case FileKind::Collection: {
            auto node = LoadCollection(file.substr(0, file.rfind('.')));
            for (auto& child : node->children)
                child->owner = node.get();
            collections.push_back(std::move(node));
            ++added;
            break;
        }
        default:
            break;
        }
    }
    return added;
}

bool SaveModifiedCollections(ClipList& collections, const CPreferences& prefs) {
    bool ok = true;
    for (auto& node : collections)
        if ((node->flags & CLIP_MODIFIED) && !SaveCollection(*node, prefs))
            ok = false;
    return ok;
}

RememberedPreferences::RememberedPreferences(const CPreferences& p)
    : maxItems(p.m_nMaxItems), minTextSize(p.m_nMinTextSize), bitmapCounter(p.m_nBitmapCounter),
      maxItemSizeKB(p.m_nMaxItemSizeKB), userHotKeyVk(p.m_nUserHotKeyVk),
      userHotKeyMods(p.m_nUserHotKeyMods), options(p.m_dwOptions), hot(p.m_ptHot),
      hotMenuWidth(p.m_nHotMenuWidth) {}

void RememberedPreferences::RestoreInto(CPreferences& p) const {
    p.m_nMaxItems = maxItems;
    p.m_nMinTextSize = minTextSize;
    p.m_nBitmapCounter = bitmapCounter;
    p.m_nMaxItemSizeKB = maxItemSizeKB;
    p.m_nUserHotKeyVk = userHotKeyVk;
    p.m_nUserHotKeyMods = userHotKeyMods;
    p.m_dwOptions = options;
    p.m_ptHot = hot;
    p.m_nHotMenuWidth = hotMenuWidth;
}

bool SaveAndReload(CPreferences& prefs, ClipList& active, ClipList& collections,
                   ScreenSize screen) {
    const bool activeSaved = SaveActiveCollection(prefs, active);
    const bool collectionsSaved = SaveModifiedCollections(collections, prefs);
    if (!activeSaved || !collectionsSaved)
        return false;
    const RememberedPreferences remembered(prefs);
    ClearList(active);
    ClearList(collections);
    LoadActiveCollection(prefs, active, screen);
    LoadCollections(collections);
    remembered.RestoreInto(prefs);
    return true;
}
