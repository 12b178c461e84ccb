// The About box's texts: the savings line, never through printf, and the format listing.
#include <gtest/gtest.h>

#include "ui/about_texts.h"

TEST(AboutTexts, SavingsAreThreeCentsAPasteAndTheListingNamesTheFormatsInOrder) {
    const struct {
        const char* format;
        uint32_t pastes;
        const char* line;
    } cases[] = {
        {"The program has saved $%.2f of your money", 1000,
         "The program has saved $30.00 of your money"},
        {"$%.2f", 3, "$0.09"},
        {"$%.2f", 70, "$2.10"},
        {"%.2f %.2f %s%n", 4294967295u, "128849018.85 %.2f %s%n"},
        {"no number", 5, "no number"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SavingsLine(c.format, c.pastes), c.line);
    EXPECT_EQ(ClipboardFormatListing({}), "The system clipboard is empty");
    EXPECT_EQ(ClipboardFormatListing({{13, ""}, {1, ""}, {0xC0A7, "Rich Text Format"}, {142, ""}}),
              "Current formats in the system clipboard:\n"
              "   000D UNICODETEXT\n"
              "   0001 TEXT\n"
              "   C0A7 Rich Text Format\n"
              "   008E DSPENHMETAFILE\n");
}
