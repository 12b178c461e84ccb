#include "store/safe_file.h"

#include "fakes/fake_save_files.h"
#include "qbx_test_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// "saved", or the writer's error.
std::string WriteThrough(ISaveFiles& files, const std::string& path, const Bytes& content,
                         const std::string& backup = std::string()) {
    SafeFileWriter w(path, files);
    if (w.File()) {
        std::fwrite(content.data(), 1, content.size(), w.File());
        if (w.Commit(backup))
            return "saved";
    }
    return w.Error();
}

} // namespace

// What stops a save, and what it leaves: the new content in place, or the old content and
// the system's error; a temporary file only when it is the one whole copy.
TEST(SafeFileWriter, SavesPastWhatCanBeWorkedAroundAndKeepsTheWholeCopy) {
    using W = WriteOverResult;
    const struct Case {
        const char* what;
        bool createFails, finishFails, replaceFails;
        W writeOver;
        bool committed, tempLeft;
    } cases[] = {
        {"earlier temporary names in use", false, false, false, W::Written, true, false},
        {"held open: written in place", false, false, true, W::Written, true, false},
        {"held open and not writable", false, false, true, W::Untouched, false, false},
        {"writing in place breaks off", false, false, true, W::Broken, false, true},
        {"the disk is full", false, true, false, W::Written, false, false},
        {"no temporary file", true, false, false, W::Written, false, false},
    };
    const Bytes oldBytes{1, 2, 3}, newBytes{9, 8, 7, 6};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempProgramFolder dir;
        const std::string path = dir.Path("Clipboard.qbx"), bak = dir.Path("Clipboard.bak");
        WriteAll(path, oldBytes);
        // A folder and a file of another run under the names a save would take first.
        ASSERT_EQ(mkdir((path + ".tmp").c_str(), 0755), 0);
        ASSERT_EQ(mkdir(SaveTempPath(path, 1).c_str(), 0755), 0);
        WriteAll(SaveTempPath(path, 2), {0});
        FakeSaveFiles files;
        files.createFails = c.createFails;
        files.finishFails = c.finishFails;
        files.replaceFails = c.replaceFails;
        files.writeOver = c.writeOver;

        EXPECT_EQ(WriteThrough(files, path, newBytes, bak), c.committed ? "saved" : files.error);
        EXPECT_EQ(ReadAll(path), c.committed ? newBytes : oldBytes);
        EXPECT_EQ(ReadAll(SaveTempPath(path, 3)), c.tempLeft ? newBytes : Bytes());
        EXPECT_EQ(ReadAll(SaveTempPath(path, 2)), Bytes{0}) << "another's file is left alone";
        if (c.committed) {
            EXPECT_EQ(ReadAll(bak), oldBytes);
        }
    }
}

TEST(SaveTempName, NamesTheFileItWasWrittenFor) {
    const struct {
        const char* name;
        const char* target; // empty: not a save's temporary file
    } cases[] = {
        {"Work.qbx.3.tmp", "Work.qbx"},
        {"Work.QBX.17.TMP", "Work.QBX"},
        {"Work.qbx.tmp", "Work.qbx"},
        {"Work.qbx.x3.tmp", ""},
        {"Work.qbx..tmp", ""},
        {".qbx.1.tmp", ""},
        {"Work.tmp", ""},
        {"Work.qbx.1.txt", ""},
    };
    for (const auto& c : cases) {
        std::string target = "unchanged";
        EXPECT_EQ(IsSaveTempName(c.name, target), *c.target != 0) << c.name;
        EXPECT_EQ(target, *c.target ? c.target : "unchanged") << c.name;
    }
}
