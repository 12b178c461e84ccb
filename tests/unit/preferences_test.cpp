// The Preferences submenu: in-place flips, the marks of its popups, and the commands that
// ask for a value once the menus have closed; Paste all and Remove on an extension.
#include <gtest/gtest.h>

#include <functional>

#include "app/preference_menu.h"
#include "fakes/service_fixture.h"
#include "resource.h"
#include "store/program_files.h"

namespace {

// The mark `m` gives `id`: for a check 1 on, 0 off; for a radio group starting at `id`, the
// entry that is on; -1 when it marks nothing there.
int MarkOf(const MenuMarks& m, unsigned id) {
    for (const auto& [entry, on] : m.checks)
        if (entry == id)
            return on;
    for (const MenuMarks::Radio& r : m.radios)
        if (r.first == id)
            return static_cast<int>(r.on);
    return -1;
}

class Preferences : public ServiceFixture {
protected:
    void SetUp() override {
        ServiceFixture::SetUp();
        SetProgramPath("/nonexistent/quillbox/quillbox.exe");
        ASSERT_TRUE(service.Create(kFrame));
        log.calls.clear();
    }
    void TearDown() override {
        SetProgramPath("");
        ServiceFixture::TearDown();
    }
    void Type(const std::string& text) { prompts.inputs.push_back({InputResult::Ok, text, false}); }
};

} // namespace

TEST(PreferenceToggle, FlipsChecksAndMovesRadioPairsOnlyOnce) {
    struct Case {
        unsigned id;
        uint32_t setBits, clearedBits;
        int mark; // the clicked entry's check, or the radio pair's entry that is on
        unsigned effects;
    } cases[] = {
        {ID_AUTOSAVE, OPT_AUTOSAVE, 0, 1, 0},
        {ID_TRAY_ICON, 0, OPT_NO_TRAY_ICON, 1, TOGGLE_TRAY_ICON},
        {ID_DISABLE_AUTOSTART, OPT_NO_AUTOSTART, 0, 1, TOGGLE_AUTOSTART},
        {ID_HK_CTRL_SHIFT_V, 0, 0, -1, 0}, // on already: nothing changes
        {ID_HK_CTRL_SHIFT_INS, OPT_HK_CTRL_SHIFT_INS, OPT_HK_CTRL_SHIFT_V, ID_HK_CTRL_SHIFT_INS,
         TOGGLE_HOT_KEYS},
        {ID_LEFT_CLICK_MENU, OPT_LEFT_CLICK_MENU, 0, ID_LEFT_CLICK_MENU, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        CPreferences prefs;
        const PreferenceToggle t = TogglePreference(c.id, prefs);
        EXPECT_TRUE(t.handled);
        EXPECT_EQ(prefs.m_dwOptions, (OPT_DEFAULTS | c.setBits) & ~c.clearedBits);
        const int radio = t.marks.radios.empty() ? -1 : static_cast<int>(t.marks.radios[0].on);
        EXPECT_EQ(t.marks.checks.empty() ? radio : t.marks.checks[0].second, c.mark);
        EXPECT_EQ(t.effects, c.effects);
    }
    CPreferences prefs;
    EXPECT_FALSE(TogglePreference(ID_MAX_ITEMS, prefs).handled);
    EXPECT_EQ(TogglePreference(ID_HOT_MOUSE_ON_ICON, prefs).effects, TOGGLE_HOVER);
    EXPECT_EQ(prefs.m_nHotStyle, 5 | HOT_STYLE_MOUSE_ON_ICON);
}

TEST(PreferenceMarks, FollowTheRecord) {
    CPreferences prefs;
    prefs.m_dwOptions = OPT_HK_CTRL_SHIFT_INS | OPT_LEFT_CLICK_MENU;
    prefs.m_nHotStyle = 3 | HOT_STYLE_MOUSE_ON_ICON;
    prefs.m_nUserHotKeyVk = 'Q';
    prefs.m_nCounter[2] = 65535;
    prefs.m_nLanguage = 2;
    PopupFacts facts;
    facts.languages = {true, false, true, false};
    const struct {
        unsigned popup, entry;
        int mark;
    } cases[] = {
        {ID_HK_ALT_SHIFT_INS, ID_HK_USER, 1},
        {ID_HK_ALT_SHIFT_INS, ID_HK_ALT_SHIFT_INS, 0},
        {ID_HK_ALT_SHIFT_INS, ID_HK_CTRL_SHIFT_INS, ID_HK_CTRL_SHIFT_INS},
        {ID_HOT_STYLE_FIRST, ID_HOT_STYLE_FIRST, ID_HOT_STYLE_FIRST + 3},
        {ID_HOT_STYLE_FIRST, ID_TRAY_ICON, 1},
        {ID_HOT_STYLE_FIRST, ID_RIGHT_CLICK_MENU, ID_LEFT_CLICK_MENU},
        {ID_LANGUAGE_FIRST, ID_LANGUAGE_FIRST, ID_LANGUAGE_FIRST + 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MarkOf(PreferenceMarks(c.popup, prefs, facts).marks, c.entry), c.mark) << c.entry;
    MenuMarks m = PreferenceMarks(ID_MAX_ITEMS, prefs, facts).marks;
    ASSERT_EQ(m.texts.size(), 6u);
    EXPECT_EQ(m.texts[0].second + "|" + m.texts[5].second, "Max items = 8|Counter 3 = 65535");
    m = PreferenceMarks(ID_LANGUAGE_FIRST, prefs, facts).marks;
    ASSERT_EQ(m.enabled.size(), 3u);
    EXPECT_TRUE(!m.enabled[0].second && m.enabled[1].second && !m.enabled[2].second);
    EXPECT_EQ(PreferenceMarks(ID_INSERT_HEAD, prefs, facts).helpId, ID_INSERT_MENU);
    EXPECT_EQ(PreferenceMarks(ID_PASTE_TEXT, prefs, facts).helpId, ID_PASTE_AS);
    // The paste popup marks its one check box, and no other popup's.
    const auto checks = PreferenceMarks(ID_PASTE_SHIFT_INS, prefs, facts).marks.checks;
    EXPECT_EQ(checks, (std::vector<std::pair<unsigned, bool>>{{ID_PASTE_DROP_FILE, false}}));
    facts.firstIsPopup = true; // the Preferences popup itself
    EXPECT_EQ(PreferenceMarks(ID_MAX_ITEMS, prefs, facts).helpId, ID_PREFERENCES);
}

TEST_F(Preferences, NumbersTypedStartFromTheValueAreKeptInRangeAndSaved) {
    CServiceWnd& s = service;
    service.m_nCounter[2] = 12;
    service.m_dwOptions &= ~OPT_NO_TRAY_ICON;
    service.SetTrayIcon(true);
    unsigned iconWhileAsked = 0;
    prompts.whileOpen = [&] { iconWhileAsked = tray.Last().iconId; };
    const struct {
        unsigned command;
        std::string typed;
        int expected;
        std::function<int()> stored;
    } cases[] = {
        {ID_MAX_ITEMS, "0", 2, [&] { return int(s.m_nMaxItems); }},
        {ID_MAX_ITEMS, "500", 120, [&] { return int(s.m_nMaxItems); }},
        {ID_MIN_TEXT_SIZE, "0", 1, [&] { return int(s.m_nMinTextSize); }},
        {ID_MAX_ITEM_SIZE, "70000", 70000 - 65536, [&] { return int(s.m_nMaxItemSizeKB); }},
        {ID_COUNTER_2, "-1", 65535, [&] { return int(s.m_nCounter[1]); }},
        {ID_COUNTER_3, "7", 7, [&] { return int(s.m_nCounter[2]); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::string before = std::to_string(c.stored());
        Type(c.typed);
        log.calls.clear();
        service.OnCommand(7, c.command);
        EXPECT_EQ(prompts.asked.back().initialText, before);
        EXPECT_EQ(iconWhileAsked, unsigned(IDI_BUSY));
        EXPECT_EQ(c.stored(), c.expected);
        EXPECT_EQ(log.Count("save active"), 1);
        EXPECT_FALSE(service.m_dwState & ST_BUSY);
    }
    Type("9"); // confirmed after the program began to close: nothing changes or is written
    prompts.whileOpen = [&] { service.OnDestroy(); };
    log.calls.clear();
    service.OnCommand(7, ID_COUNTER_1);
    EXPECT_EQ(service.m_nCounter[0], 0);
    EXPECT_EQ(log.Count("save active"), 1); // the shutdown's own save only
}

TEST_F(Preferences, PasteAllPastesEachItemAndRemoveHidesAnExtension) {
    for (const char* text : {"one", "two", "three"})
        service.m_activeList.push_back(CClipItem::FromText(text));
    service.m_pSelItem = service.m_activeList[1].get();
    window.commands.clear();
    service.OnCommand(2, ID_PASTE_ALL);
    EXPECT_EQ(window.commands.size(), 3u);
    service.m_dwOptions |= OPT_EXT_TIME;
    service.OnCommand(ID_STATUS_TIME, ID_DELETE);
    EXPECT_FALSE(service.m_dwOptions & OPT_EXT_TIME);
    EXPECT_EQ(log.Count("save and reload"), 1);
}
