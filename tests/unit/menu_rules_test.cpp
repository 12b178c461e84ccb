#include "ui/menu_rules.h"

#include <gtest/gtest.h>

#include "platform/win_constants.h"
#include "resource.h"
#include "ui/menu_ids.h"

namespace {
constexpr intptr_t kExecute = 2; // MNC_EXECUTE

intptr_t Executes(int position) {
    return (kExecute << 16) | position;
}

std::pair<int, int> At(MenuPoint p) {
    return {p.x, p.y};
}
} // namespace

TEST(MenuPosition, TheTopRowOpensLowerAndReopeningFindsThePositionAgain) {
    const MenuPoint atPointer{-1, -1};
    EXPECT_EQ(At(MenuPosition(atPointer, {50, 0})), std::make_pair(100, 100));
    EXPECT_EQ(At(MenuPosition(atPointer, {500, 0})), std::make_pair(400, 100));
    EXPECT_EQ(At(MenuPosition(atPointer, {100, 0})), std::make_pair(100, 100));
    EXPECT_EQ(At(MenuPosition(atPointer, {640, 1})), std::make_pair(640, 1));
    // A remembered position wins over the pointer.
    EXPECT_EQ(At(MenuPosition({30, 40}, {640, 0})), std::make_pair(30, 40));
    for (MenuPoint shown : {MenuPoint{0, 0}, MenuPoint{0, 300}, MenuPoint{250, 100}}) {
        const MenuPoint stored = ForgottenPosition(shown);
        EXPECT_LT(stored.x, 0); // the next opening goes to the pointer
        EXPECT_EQ(MenuPosition(stored, {7, 9}).x, 7);
        const MenuPoint again = RememberedPosition(stored);
        EXPECT_EQ(At(again), At(shown));
        EXPECT_EQ(MenuPosition(again, {7, 9}).x, shown.x);
        EXPECT_EQ(RememberedPosition(again).x, shown.x) << "remembered twice";
    }
}

TEST(ContextPopups, ChosenByTheHighlightedEntry) {
    EXPECT_EQ(ContextPopupFor(-1), CONTEXT_APP);
    EXPECT_EQ(ContextPopupFor(1), CONTEXT_ITEM);
    EXPECT_EQ(ContextPopupFor(127), CONTEXT_ITEM);
    EXPECT_EQ(ContextPopupFor(ID_STATUS_COLLECTION), CONTEXT_COLLECTION);
    EXPECT_EQ(ContextPopupFor(ID_STATUS_TIME), CONTEXT_EXTENSION);
    EXPECT_EQ(ContextPopupFor(ID_STATUS_DOCS_RECENT), CONTEXT_EXTENSION);
    EXPECT_EQ(ContextPopupFor(ID_TIME_FIRST + 5), CONTEXT_TIME);
    EXPECT_EQ(ContextPopupFor(ID_DOC_FIRST), CONTEXT_DOCUMENT);
    EXPECT_EQ(ContextPopupFor(ID_DOC_LIMIT - 1), CONTEXT_DOCUMENT);
    EXPECT_EQ(ContextPopupFor(ID_URL_FIRST + 3), CONTEXT_DOCUMENT);
    EXPECT_EQ(ContextPopupFor(0), CONTEXT_NONE);
    EXPECT_EQ(ContextPopupFor(ID_PRINT), CONTEXT_NONE);
}

TEST(MenuChar, DigitsRunTheFirstNineEntriesAndLettersQueueAVariant) {
    EXPECT_EQ(MenuCharAction('1', -1, false, 5).result, Executes(0));
    EXPECT_EQ(MenuCharAction('5', 3, false, 5).result, Executes(4));
    EXPECT_EQ(MenuCharAction('5', 3, false, 5).queuedCommand, 0);
    EXPECT_EQ(MenuCharAction('6', -1, false, 5).result, 0); // there is no sixth entry
    EXPECT_EQ(MenuCharAction('0', -1, false, 5).result, 0);
    EXPECT_EQ(MenuCharAction('2', -1, true, 5).result, 0); // not in a context menu
    const struct {
        char key;
        int32_t command;
    } letters[] = {{'a', ID_PLAYER_PLAY}, {'H', ID_PASTE_HTML},  {'l', ID_PASTE_LOWER},
                   {'P', ID_PRINT},       {'r', ID_RUN},         {'S', ID_PLAYER_STOP},
                   {'t', ID_PASTE_TEXT},  {'U', ID_PASTE_UPPER}, {'x', ID_PASTE_UNIX}};
    for (const auto& l : letters) {
        const MenuCharAnswer answer = MenuCharAction(static_cast<unsigned>(l.key), 3, false, 8);
        EXPECT_EQ(answer.result, Executes(2)) << l.key;
        EXPECT_EQ(answer.queuedCommand, l.command) << l.key;
    }
    EXPECT_EQ(MenuCharAction('q', 3, false, 8).result, 0);
    EXPECT_EQ(MenuCharAction('t', -1, false, 8).result, 0); // nothing highlighted
    EXPECT_EQ(MenuCharAction('t', 3, true, 8).queuedCommand, 0);
    // Entries whose ids are no positions (popups, time entries) take no letters.
    EXPECT_EQ(MenuCharAction('t', ID_STATUS_COLLECTION, false, 8).result, 0);
    EXPECT_EQ(MenuCharAction('t', ID_TIME_FIRST, false, 8).result, 0);
    EXPECT_EQ(MenuCharAction('t', 9, false, 8).result, 0);
}

TEST(ContextMenuInput, ARightReleaseOverAnEntryOrTheContextKeysOpenIt) {
    constexpr unsigned UP = win::WM_RBUTTONUP, DOWN = win::WM_RBUTTONDOWN, KEYUP = 0x0101;
    constexpr unsigned KEY = win::WM_KEYDOWN, SYS = win::WM_SYSKEYDOWN, APPS = win::VK_APPS;
    const struct {
        MenuInput input;
        int32_t selEntryId;
        bool contextTracked, opens;
    } cases[] = {
        {{UP, 0, false, true}, 2, false, true},
        {{UP, 0, false, false}, 2, false, false},
        {{DOWN, 0, false, true}, 2, false, false},
        {{UP, 0, false, true}, -1, false, false},
        {{UP, 0, false, true}, 2, true, false},
        {{KEY, APPS, false, false}, ID_STATUS_COLLECTION, false, true},
        {{KEYUP, APPS, false, false}, 2, false, false},
        {{SYS, win::VK_F10, true, false}, 2, false, true},
        {{SYS, win::VK_F10, false, false}, 2, false, false},
        {{KEY, win::VK_F1, true, false}, 2, false, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OpensContextMenu(c.input, c.selEntryId, c.contextTracked), c.opens)
            << std::hex << c.input.message << " " << c.input.key << std::dec << " " << c.selEntryId
            << " " << c.contextTracked;
}
