// The cursor counter, sound and message box as the program sees them, and their trace lines.
#include "platform/ui/label.hpp"
#include "ui_fixture.hpp"

#include <gmock/gmock.h>

namespace kartino::testkit {
namespace {

using ::testing::ElementsAre;

class Services : public UiTest {};

TEST_F(Services, ShowCursorCountsAndOnlyTheZeroBoundaryShowsOrHides) {
    EXPECT_EQ(app().ShowCursor(false), -1);
    EXPECT_FALSE(headless().cursorVisible());
    EXPECT_EQ(app().ShowCursor(false), -2);
    EXPECT_EQ(app().ShowCursor(true), -1);
    EXPECT_FALSE(headless().cursorVisible()) << "two hides need two shows";
    EXPECT_EQ(app().ShowCursor(true), 0);
    EXPECT_TRUE(headless().cursorVisible());
    EXPECT_EQ(app().ShowCursor(true), 1);
    EXPECT_THAT(traceLines(), ElementsAre("cursor hidden", "cursor shown"));
}

TEST_F(Services, SoundAndMessageBoxAreTraceLinesInUtf8) {
    app().sndPlaySound("warn.wav");
    app().MsgBox("Fehler", {"Datei nicht gefunden", "\xC4nderung"}); // "Änderung" in ANSI 1252
    EXPECT_THAT(traceLines(),
                ElementsAre("sound warn.wav", "msgbox Fehler|Datei nicht gefunden|\xC3\x84nderung"));
}

// The host names its sounds from a Windows folder: the name goes through the path layer before a
// backend plays it, and the trace keeps the name the program gave.
TEST_F(Services, SoundNamesAreResolvedBeforeTheBackendPlaysThem) {
    std::vector<std::string> asked;
    app().setPathResolver([&](const std::string &name) {
        asked.push_back(name);
        return std::string("/data/all/warn.wav");
    });
    app().sndPlaySound("K:\\all\\warn.wav");
    EXPECT_THAT(asked, ElementsAre("K:\\all\\warn.wav"));
    EXPECT_THAT(traceLines(), ElementsAre("sound K:\\all\\warn.wav"));
}

TEST(WrapCaption, BreaksAtBlanksAndLineBreaks) {
    text::Fonts fonts;
    ui::FontSpec font{"Arial", 12};
    int wide = ui::textWidth(fonts, font, 96, "Zwei Worte");
    EXPECT_THAT(ui::wrapCaption("Zwei Worte", wide, fonts, font, 96), ElementsAre("Zwei Worte"));
    EXPECT_THAT(ui::wrapCaption("Zwei Worte", wide - 1, fonts, font, 96), ElementsAre("Zwei", "Worte"));
    EXPECT_THAT(ui::wrapCaption("a\r\nb\nc", 1000, fonts, font, 96), ElementsAre("a", "b", "c"));
    EXPECT_THAT(ui::wrapCaption("Unbreakable", 3, fonts, font, 96), ElementsAre("Unbreakable"));
}

} // namespace
} // namespace kartino::testkit
