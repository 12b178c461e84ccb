// The native build's copy of the string table (generated from the resource scripts) holds
// the same texts as the compiled resources of this program.
#include "platform/resources.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

TEST(ProgramStringTable, NativeCopyEqualsTheCompiledResources) {
    const std::map<unsigned, std::string> table = {
#include "ui_strings_table.inc"
    };
    ASSERT_FALSE(table.empty()) << "the resource scripts hold no string table";
    for (const auto& entry : table) {
        std::string text;
        bool found = ProgramResources().LoadText(entry.first, text);
        if (entry.second.empty()) {
            EXPECT_FALSE(found) << entry.first;
            continue;
        }
        EXPECT_TRUE(found) << "string " << entry.first << " is not in the compiled resources";
        EXPECT_EQ(text, entry.second) << "string " << entry.first;
    }
}
