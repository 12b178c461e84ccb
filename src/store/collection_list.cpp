#include "store/collection_list.h"

#include <cctype>
#include <cstring>

#include "platform/files.h"
#include "store/collections.h"
#include "store/no_case.h"
#include "store/program_files.h"
#include "store/qbx_records.h"
#include "store/safe_file.h"
#include "store/trim.h"

namespace {

enum class FileKind { Unreadable, Empty, Ignored, Collection };

FileKind Classify(const std::string& path) {
    FilePtr f = OpenForReading(path);
    QbxReader in(f.get());
    if (!in.Ok())
        return FileKind::Unreadable; // e.g. locked by another program: skip it
    if (in.Size() == 0)
        return FileKind::Empty;
    if (in.Size() < kQbxMinFileSize || !ReadExactMagic(in))
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
    if (clean.back() == '.' || IsDeviceName(clean) ||
        EqualsNoCase(clean + ".qbx", ACTIVE_COLLECTION_FILE))
        return false;
    name = clean;
    return true;
}

size_t LoadCollections(ClipList& collections) {
    size_t added = 0;
    for (const std::string& file : files::List(ProgramFilePath(""), ".qbx")) {
        if (EqualsNoCase(file, ACTIVE_COLLECTION_FILE))
            continue;
        const std::string path = ProgramFilePath(file);
        switch (Classify(path)) {
        case FileKind::Empty:
            files::Remove(path);
            break;
        case FileKind::Collection:
            collections.push_back(LoadCollection(file.substr(0, file.rfind('.'))));
            ++added;
            break;
        default:
            break;
        }
    }
    return added;
}

void RemoveStraySaveFiles() {
    const std::string folder = ProgramFilePath("");
    for (const std::string& name : files::List(folder, ".tmp")) {
        std::string target;
        if (IsSaveTempName(name, target) && CheckQbxFile(folder + target).whole)
            files::Remove(folder + name);
    }
}

bool SaveModifiedCollections(ClipList& collections, const CPreferences& prefs) {
    bool ok = true;
    for (auto& node : collections)
        if ((node->flags & CLIP_MODIFIED) && !SaveCollection(*node, prefs).saved)
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
    const bool activeSaved = SaveActiveCollection(prefs, active).saved;
    const bool collectionsSaved = SaveModifiedCollections(collections, prefs);
    if (!activeSaved || !collectionsSaved)
        return false;
    ReloadCollections(prefs, active, collections, screen);
    return true;
}

void ReloadCollections(CPreferences& prefs, ClipList& active, ClipList& collections,
                       ScreenSize screen) {
    const RememberedPreferences remembered(prefs);
    ClearList(active);
    ClearList(collections);
    LoadActiveCollection(prefs, active, screen);
    LoadCollections(collections);
    remembered.RestoreInto(prefs);
}
