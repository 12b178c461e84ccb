#include "store/program_files.h"

#include <gtest/gtest.h>

TEST(ProgramFilePath, NamesBesideTheExecutable) {
    SetProgramPath("c:\\tools\\quillbox\\quillbox.exe");
    EXPECT_EQ(ProgramFilePath("Clipboard.qbx"), "c:\\tools\\quillbox\\Clipboard.qbx");
    EXPECT_EQ(ProgramFilePath(".ini"), "c:\\tools\\quillbox\\quillbox.ini");
}

TEST(ProgramFilePath, DotInAFolderNameIsNotTheExtension) {
    SetProgramPath("/tmp/v1.2/qbx");
    EXPECT_EQ(ProgramFilePath(".ini"), "/tmp/v1.2/qbx.ini");
    EXPECT_EQ(ProgramFilePath("Work.qbx"), "/tmp/v1.2/Work.qbx");
}
