#include "store/program_files.h"

#include <gtest/gtest.h>

TEST(ProgramFilePath, NamesBesideTheExecutableAndADotInAFolderIsNoExtension) {
    SetProgramPath("c:\\tools\\quillbox\\quillbox.exe");
    EXPECT_EQ(ProgramFilePath("Clipboard.qbx"), "c:\\tools\\quillbox\\Clipboard.qbx");
    SetProgramPath("/tmp/v1.2/qbx");
    EXPECT_EQ(ProgramFilePath(".ini"), "/tmp/v1.2/qbx.ini");
}
