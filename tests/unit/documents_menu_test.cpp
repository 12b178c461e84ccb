#include "ui/documents_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_document_shell.h"
#include "fakes/fake_registry_lists.h"
#include "qbx_test_files.h"
#include "store/text_rules.h"
#include "ui/menu_ids.h"
#include "ui/openers.h"

namespace {
const std::string kOpenSave = OPEN_SAVE_MRU_KEY;
const std::string kRecent = RECENT_DOCS_KEY;
const std::u16string kRecentFolder = u"C:\\Users\\me\\Recent";

// The menu in one line: a document's text and its id past ID_DOC_FIRST, a file type's
// popup with its entries in brackets; "?" marks an entry of neither kind.
std::string Shape(const MenuModel& menu) {
    std::string out;
    for (const MenuEntry& e : menu.entries) {
        out += (out.empty() ? "" : " ") + e.text;
        if (e.kind == EntryKind::FileTypePopup && e.popup && e.submenu)
            out += "[" + Shape(*e.submenu) + "]";
        else
            out += e.kind == EntryKind::Document ? "#" + std::to_string(e.id - ID_DOC_FIRST) : "?";
    }
    return out;
}

// A value of the recent-documents list: the display name, 14 bytes, then the shortcut name.
std::vector<uint8_t> RecentValue(const std::u16string& display, const std::string& shortcut,
                                 bool wideShortcut) {
    std::vector<uint8_t> b = Utf16Bytes(display + u'\0');
    b.insert(b.end(), 14, 0x11);
    if (wideShortcut) {
        std::vector<uint8_t> w = Utf16Bytes(WidenText(shortcut) + u'\0');
        b.insert(b.end(), w.begin(), w.end());
    } else {
        b.insert(b.end(), shortcut.begin(), shortcut.end());
        b.push_back(0);
    }
    b.insert(b.end(), 6, 0x22); // what follows the name does not matter
    return b;
}

class DocumentsMenu : public ::testing::Test {
protected:
    FakeRegistryLists registry;
    FakeDocumentShell shell;

    void SetUp() override {
        registry.SetString(SHELL_FOLDERS_KEY, "Recent", "C:\\Users\\me\\Recent");
    }
    // An opened/saved document that exists on drive C.
    void AddOpenSave(const std::string& type, char value, const std::string& path,
                     bool exists = true) {
        registry.SetWide(kOpenSave + "\\" + type, std::string(1, value), WidenText(path));
        if (exists)
            shell.files.insert(WidenText(path));
    }
    // A recent document whose shortcut resolves.
    void AddRecent(const std::string& key, const std::string& value, const std::string& lnk,
                   bool wide = true) {
        registry.SetBytes(key, value, RecentValue(u"display", lnk, wide));
        shell.shortcuts.insert(kRecentFolder + u"\\" + WidenText(lnk));
    }
};
} // namespace

TEST_F(DocumentsMenu, SubkeysSortWithoutRegardToCase) {
    for (const char* name : {"txt", "Doc", "bmp", "*"})
        registry.AddKey(kOpenSave + "\\" + name);
    EXPECT_EQ(ListSortedSubkeys(registry, kOpenSave),
              (std::vector<std::string>{"*", "bmp", "Doc", "txt"}));
    // A missing key is created, so that it is there next time.
    EXPECT_TRUE(ListSortedSubkeys(registry, "Software\\Missing").empty());
    EXPECT_EQ(registry.createdKeys, std::vector<std::string>{"Software\\Missing"});
}

TEST_F(DocumentsMenu, OpenSaveKeepsExistingFilesOnFixedDrivesInListOrder) {
    AddOpenSave("txt", 'a', "C:\\notes\\a.txt");
    AddOpenSave("txt", 'b', "C:\\notes\\gone.txt", false);
    AddOpenSave("txt", 'c', "E:\\cdrom\\c.txt");
    shell.files.insert(u"E:\\cdrom\\c.txt");
    AddOpenSave("txt", 'd', "C:\\notes\\d.txt");
    registry.SetString(kOpenSave + "\\txt", "MRUList", "dcbax"); // x has no value
    AddOpenSave("bmp", 'a', "\\\\server\\share\\p.bmp");         // no drive letter: root "\"
    registry.SetString(kOpenSave + "\\bmp", "MRUList", "a");
    AddOpenSave("Doc", 'a', "C:\\w\\r.doc");
    registry.SetString(kOpenSave + "\\Doc", "MRUList", "a");

    // bmp kept nothing
    EXPECT_EQ(Shape(*BuildOpenSaveMenu(registry, shell)),
              "Doc[C:\\w\\r.doc#0] txt[C:\\notes\\d.txt#1 C:\\notes\\a.txt#2]");
    EXPECT_EQ(DriveRootOf("C:\\a\\b.txt"), "C:\\");
    EXPECT_EQ(DriveRootOf("d:file"), "d:\\");
    EXPECT_EQ(DriveRootOf("\\\\srv\\share\\x"), "\\");
    EXPECT_EQ(DriveRootOf(""), "\\");
}

TEST_F(DocumentsMenu, NoPopupHoldsMoreThan127EntriesAndIdsStopAtTheLastOne) {
    // Six types of 200 documents each (value names are the bytes 1..200): four full popups
    // take 508 ids, the fifth gets the last three, the sixth nothing.
    for (const char* type : {"a", "b", "c", "d", "e", "f"}) {
        std::string order;
        for (int v = 1; v <= 200; ++v) {
            const char name = static_cast<char>(v);
            order += name;
            AddOpenSave(type, name, std::string("C:\\") + type + std::to_string(v));
        }
        registry.SetString(kOpenSave + "\\" + type, "MRUList", order);
    }
    MenuModel menu = std::move(*BuildOpenSaveMenu(registry, shell));
    std::vector<size_t> sizes;
    for (const MenuEntry& e : menu.entries)
        sizes.push_back(e.submenu->entries.size());
    EXPECT_EQ(sizes, (std::vector<size_t>{127, 127, 127, 127, 3}));
    EXPECT_EQ(menu.entries[4].submenu->entries.back().id, ID_DOC_LIMIT - 1);

    // 200 recent documents and a type of its own: the list itself fills the popup.
    std::vector<uint32_t> order;
    for (uint32_t v = 0; v < 200; ++v) {
        AddRecent(kRecent, std::to_string(v), "d" + std::to_string(v) + ".txt.lnk");
        order.push_back(v);
    }
    registry.SetListEx(kRecent, order);
    AddRecent(kRecent + "\\.txt", "a", "more.txt.lnk");
    registry.SetString(kRecent + "\\.txt", "MRUList", "a");
    menu = std::move(*BuildRecentDocsMenu(registry, shell));
    ASSERT_EQ(menu.entries.size(), 127u);
    EXPECT_EQ(menu.entries.back().text, "d126.txt");
}

TEST_F(DocumentsMenu, RecentDocumentsFollowMruListOrMruListEx) {
    AddRecent(kRecent, "a", "report.doc.lnk");
    AddRecent(kRecent, "b", "plan.xls.lnk", false);
    registry.SetString(kRecent, "MRUList", "ba");
    // A subkey without MRUList: MRUListEx holds 3, 0 and the end mark.
    const std::string txt = kRecent + "\\.txt";
    AddRecent(txt, "0", "zero.txt.lnk");
    AddRecent(txt, "3", "three.txt.lnk");
    AddRecent(txt, "1", "one.txt.lnk");
    registry.SetListEx(txt, {3, 0});
    // A subkey whose shortcuts no longer resolve gets no popup.
    registry.SetBytes(kRecent + "\\.bmp", "0", RecentValue(u"x", "x.bmp.lnk", true));
    registry.SetListEx(kRecent + "\\.bmp", {0});

    EXPECT_EQ(Shape(*BuildRecentDocsMenu(registry, shell)),
              "plan.xls#0 report.doc#1 .txt[three.txt#2 zero.txt#3]");
    // Shortcuts are looked up in the Recent folder, 8-bit names widened.
    EXPECT_EQ(shell.resolved.front(), kRecentFolder + u"\\plan.xls.lnk");
    EXPECT_TRUE(shell.opened.empty()) << "listing a document opens it";
}

TEST_F(DocumentsMenu, RecentValuesThatEndEarlyAreSkipped) {
    std::u16string name;
    EXPECT_FALSE(ShortcutNameOfRecentValue({}, name));
    std::vector<uint8_t> cut = Utf16Bytes(u"display");
    EXPECT_FALSE(ShortcutNameOfRecentValue(cut, name)); // no NUL after the display name
    cut.insert(cut.end(), 2 + 14, 0);
    EXPECT_FALSE(ShortcutNameOfRecentValue(cut, name)); // nothing after the gap
    // A Cyrillic display name (second byte 4) is stepped over as UTF-16.
    std::vector<uint8_t> ok = RecentValue(u"\u0414\u043e\u043a", "a.lnk", false);
    ASSERT_TRUE(ShortcutNameOfRecentValue(ok, name));
    EXPECT_EQ(name, u"a.lnk");
}

TEST_F(DocumentsMenu, OpeningLinesPathsAddressesAndShortcuts) {
    shell.files.insert(u"C:\\a.txt");
    shell.shortcuts.insert(kRecentFolder + u"\\report.doc.lnk");
    OpenDocumentLines("  C:\\a.txt \r\nC:\\missing.txt\nhttp://x.org/a b\n\nreport.doc\r\n"
                      "nothing.doc",
                      registry, shell);
    EXPECT_EQ(shell.opened, (std::vector<std::u16string>{u"C:\\a.txt", u"http://x.org/a b",
                                                         kRecentFolder + u"\\report.doc.lnk"}));
    // The unknown shortcut was looked up, not opened.
    EXPECT_EQ(shell.resolved.back(), kRecentFolder + u"\\nothing.doc.lnk");
}

TEST_F(DocumentsMenu, TypedAddressesGoToTheBrowserThenToTheShell) {
    using Runs = std::vector<std::pair<std::string, std::string>>;
    OpenTypedUrl("", shell);
    EXPECT_EQ(shell.executed, Runs{});
    OpenTypedUrl("http://example.org", shell);
    EXPECT_EQ(shell.executed, (Runs{{"iexplore", "http://example.org"}}));
    shell.failingProgram = "iexplore";
    shell.executed.clear();
    OpenTypedUrl("http://example.org", shell);
    EXPECT_EQ(shell.executed,
              (Runs{{"iexplore", "http://example.org"}, {"http://example.org", ""}}));
}
