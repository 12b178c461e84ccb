#include "store/safe_file.h"

#include "qbx_test_files.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

bool WriteThrough(const std::string& path, const Bytes& content,
                  const std::string& backup = std::string()) {
    SafeFileWriter w(path);
    if (!w.File())
        return false;
    std::fwrite(content.data(), 1, content.size(), w.File());
    return w.Commit(backup);
}

} // namespace

TEST(SafeFileWriter, ReplacesOnlyOnCommitAndKeepsTheBackup) {
    TempProgramFolder dir;
    const std::string path = dir.Path("a.qbx"), bak = dir.Path("a.bak");
    ASSERT_TRUE(WriteThrough(path, {1, 2, 3}, bak));
    EXPECT_EQ(ReadAll(path), (Bytes{1, 2, 3}));
    EXPECT_FALSE(access(bak.c_str(), F_OK) == 0) << "no previous file, no backup";

    {
        SafeFileWriter abandoned(path);
        ASSERT_NE(abandoned.File(), nullptr);
        std::fputs("half", abandoned.File());
    } // never committed
    EXPECT_EQ(ReadAll(path), (Bytes{1, 2, 3}));
    EXPECT_NE(access((path + ".tmp").c_str(), F_OK), 0) << "temporary file left behind";

    ASSERT_TRUE(WriteThrough(path, {4, 5}, bak));
    ASSERT_TRUE(WriteThrough(path, {6}, bak));
    EXPECT_EQ(ReadAll(path), (Bytes{6}));
    EXPECT_EQ(ReadAll(bak), (Bytes{4, 5}));
}
