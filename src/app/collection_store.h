#pragma once
// The collection files as start-up and shutdown use them: "Clipboard.qbx" with the
// preferences and the active collection, and the external collections.
#include <set>
#include <string>
#include <vector>

struct ServiceState;
class IServiceWindow;
class IMessageBox;
class IScreen;
class ISaveFiles;
struct SaveReport;

class ICollectionStore {
public:
    virtual ~ICollectionStore() = default;
    virtual void LoadActiveCollection(ServiceState& state) = 0;
    virtual void LoadCollections(ServiceState& state) = 0;
    virtual void SaveActiveCollection(ServiceState& state) = 0;
    // Writes every external collection marked CLIP_MODIFIED.
    virtual void SaveModifiedCollections(ServiceState& state) = 0;
    // Writes the active collection and the modified collections, then reads both lists
    // back (the remembered preference fields stay as they are in memory). False when
    // something could not be written; the lists are then left as they were.
    virtual bool SaveAndReload(ServiceState& state) = 0;
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

    void LoadActiveCollection(ServiceState& state) override;
    // Start-up: also clears what saves of earlier runs left behind.
    void LoadCollections(ServiceState& state) override;
    // A file that cannot be written keeps its previous content; the lists in memory stay
    // the only copy of the history until a later save succeeds.
    void SaveActiveCollection(ServiceState& state) override;
    void SaveModifiedCollections(ServiceState& state) override;
    bool SaveAndReload(ServiceState& state) override;
    void ShowNotices() override;

    // Where the command that shows the notices is posted: the service window, once it
    // exists. Until then notices wait.
    void PostNoticesTo(IServiceWindow& window) { m_window = &window; }

    // True unless the last attempt to write some file failed: what the lists held then is
    // not on the disk.
    bool AllSaved() const { return m_failing.empty(); }

private:
    bool SaveActive(ServiceState& state);
    bool SaveModified(ServiceState& state);
    bool Note(const SaveReport& report);
    void AddNotice(std::string text);

    const IScreen& m_screen;
    IMessageBox& m_messages;
    ISaveFiles& m_files;
    IServiceWindow* m_window = nullptr;
    std::set<std::string> m_failing;    // files whose last save failed (the user was told)
    std::vector<std::string> m_notices; // not shown yet
    bool m_showing = false;
};
