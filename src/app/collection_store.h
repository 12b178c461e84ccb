#pragma once
// The collection files as start-up and shutdown use them: "Clipboard.qbx" with the
// preferences and the active collection, and the external collections.
#include <set>
#include <string>
#include <vector>

class CServiceWnd;
class IMessageBox;
class IScreen;
class ISaveFiles;
struct SaveReport;

class ICollectionStore {
public:
    virtual ~ICollectionStore() = default;
    virtual void LoadActiveCollection(CServiceWnd& service) = 0;
    virtual void LoadCollections(CServiceWnd& service) = 0;
    virtual void SaveActiveCollection(CServiceWnd& service) = 0;
    // Writes every external collection marked CLIP_MODIFIED.
    virtual void SaveModifiedCollections(CServiceWnd& service) = 0;
    // Writes the active collection and the modified collections, then reads both lists
    // back (the remembered preference fields stay as they are in memory). False when
    // something could not be written; the lists are then left as they were.
    virtual bool SaveAndReload(CServiceWnd& service) = 0;
    // Command ID_SHOW_FILE_NOTICES: tells the user what the saves before it found (a file
    // that could not be written, a damaged file kept aside).
    virtual void ShowNotices() = 0;
};

// The store of the program: the collection files beside the executable. The screen
// places a hot window that a file brings from a larger screen. What goes wrong with a file
// is told once, in a message box shown after the message that saved: never in the middle
// of a save, and never while the session ends.
class ProgramCollectionStore final : public ICollectionStore {
public:
    ProgramCollectionStore(const IScreen& screen, IMessageBox& messages, ISaveFiles& files);

    void LoadActiveCollection(CServiceWnd& service) override;
    // Start-up: also clears what saves of earlier runs left behind.
    void LoadCollections(CServiceWnd& service) override;
    // A file that cannot be written keeps its previous content; the lists in memory stay
    // the only copy of the history until a later save succeeds.
    void SaveActiveCollection(CServiceWnd& service) override;
    void SaveModifiedCollections(CServiceWnd& service) override;
    bool SaveAndReload(CServiceWnd& service) override;
    void ShowNotices() override;

    // True unless the last attempt to write some file failed: what the lists held then is
    // not on the disk.
    bool AllSaved() const { return m_failing.empty(); }

private:
    bool SaveActive(CServiceWnd& service);
    bool SaveModified(CServiceWnd& service);
    bool Note(CServiceWnd& service, const SaveReport& report);
    void AddNotice(CServiceWnd& service, std::string text);

    const IScreen& m_screen;
    IMessageBox& m_messages;
    ISaveFiles& m_files;
    std::set<std::string> m_failing;    // files whose last save failed (the user was told)
    std::vector<std::string> m_notices; // not shown yet
    bool m_showing = false;
};
