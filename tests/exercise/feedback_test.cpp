// The feedback after an answer (texts and sounds by the feature mask), the four task lists,
// the help codes, the summary line and FB.DAT with the session record that follows it.
#include "exercise/feedback.hpp"

#include "common/design_screen.hpp"
#include "common/palette.hpp"
#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"
#include "platform/ui/ui_fixture.hpp"
#include "session/result_records.hpp"
#include "support/error_number.hpp"
#include "support/fake_services.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

using namespace kartino;
using exercise::feedbackline1;
using exercise::feedbackline2;
using exercise::helpcode;
using exercise::recordanswer;
using exercise::summaryline;
using exercise::writefeedbackfile;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using testkit::fileExists;
using testkit::readFile;

namespace {

constexpr const char *kUe = "\xDC";    // "Ü" in the ANSI code page
constexpr const char *kUeOem = "\x9A"; // "Ü" in code page 850

class FeedbackTest : public ::testing::Test {
  protected:
    FeedbackTest() {
        s.shared.settingspaths = f.shared.settingspaths;
        s.settings.taskcount = 9;
        s.settings.flagbit0 = true;
        s.texts.text[session::kRightText] = "Richtig!";
        s.texts.text[session::kWrongText] = "Falsch";
        s.texts.text[session::kRightTextPlain] = "Richtig";
        s.texts.instructionlist[session::kPointsText] = "Punkte:";
        s.settings.exercisetexts[session::kKilometreText] = "Abweichung / km";
        s.settings.exercisetexts[session::kMeanErrorText] = "Mittlere Abweichung:";
        s.settings.exercisetexts[session::kDemoTimeText] = "Demonstration / s";
    }
    std::string fbdat() const { return readFile(f.dir.file("FB.DAT")); }
    std::string rdat() const { return readFile(f.dir.file("R.DAT")); }
    void distancemode(float deviationsum, std::int16_t tasks) {
        s.settings.flagbit0 = false;
        s.exerciserun.deviationsum = deviationsum;
        s.settings.taskcount = tasks;
    }

    testkit::FakeServices f;
    session::Session s{f.services};
};

TEST_F(FeedbackTest, HelpCodeIsOneDigitOrADashWithoutHelp) {
    s.settings.helpallowed = true;
    EXPECT_EQ(helpcode(s, 0), "0");
    EXPECT_EQ(helpcode(s, 3), "3");
    EXPECT_EQ(helpcode(s, 9), "9");
    EXPECT_EQ(helpcode(s, 10), "9");
    EXPECT_EQ(helpcode(s, 12), "9");
    s.settings.helpallowed = false;
    EXPECT_EQ(helpcode(s, 0), "-");
    EXPECT_EQ(helpcode(s, 3), "-");
}

TEST_F(FeedbackTest, FindModeLineIsTheRightTextAndThePerCentWithTwoBlanks) {
    s.results.correctcount = 7;
    EXPECT_EQ(feedbackline1(s), "Richtig  77.78%");
    s.results.correctcount = 9;
    EXPECT_EQ(feedbackline1(s), "Richtig  100%");
    s.results.correctcount = 0;
    EXPECT_EQ(feedbackline1(s), "Richtig  0%");
    s.results.correctcount = 1;
    s.settings.taskcount = 8;
    EXPECT_EQ(feedbackline1(s), "Richtig  12.5%");
}

TEST_F(FeedbackTest, DistanceModeLineIsTheMeanErrorInKilometres) {
    distancemode(1000, 8);
    EXPECT_EQ(feedbackline1(s), "Mittlere Abweichung: 125 km.");
    distancemode(1000.3f, 8); // 125.0375 in single precision
    EXPECT_EQ(feedbackline1(s), "Mittlere Abweichung: 125.04 km.");
    distancemode(3, 8); // no leading zero before the point
    EXPECT_EQ(feedbackline1(s), "Mittlere Abweichung: .38 km.");
    distancemode(0, 8);
    EXPECT_EQ(feedbackline1(s), "Mittlere Abweichung: 0 km.");
}

TEST_F(FeedbackTest, ARunWithoutTasksIsADivisionByZero) {
    s.settings.taskcount = 0;
    s.results.correctcount = 0;
    EXPECT_EQ(testkit::errorOf([&] { feedbackline1(s); }), basic::errDivisionByZero);
}

TEST_F(FeedbackTest, DemonstrationLineReplacesEveryPlaceholder) {
    s.results.offeranswer = 42.456;
    EXPECT_EQ(feedbackline2(s), "Demonstration 42.46 s.");
    s.settings.exercisetexts[session::kDemoTimeText] = "/ von / bis /";
    s.results.offeranswer = std::int16_t{90};
    EXPECT_EQ(feedbackline2(s), "/ von 90 bis 90.");
}

TEST_F(FeedbackTest, FirstRunAppendsEachTaskToTheFourLists) {
    s.settings.helpallowed = true;
    s.places.placenumber[17] = 12;
    s.places.placenumber[4] = 3;

    s.results.tasknumber = 1, s.run.taskindex = 17, s.exerciserun.answertime = 2.5f,
    s.exerciserun.helpused = 0;
    recordanswer(s, 1);
    EXPECT_EQ(s.exerciserun.lastanswer, " 1");
    s.results.tasknumber = 2, s.run.taskindex = 4, s.exerciserun.answertime = 0.25f,
    s.exerciserun.helpused = 12;
    recordanswer(s, -140);
    EXPECT_EQ(s.exerciserun.lastanswer, "-140");

    EXPECT_EQ(s.results.tasklist1, " 1,-140,");
    EXPECT_EQ(s.results.tasklist2, " 2.5, .25,");
    EXPECT_EQ(s.results.tasklist3, " 12, 3,");
    EXPECT_EQ(s.results.tasklist4, "09");
    EXPECT_EQ(s.results.answeredcount, 2);
}

TEST_F(FeedbackTest, RepetitionRunKeepsOnlyTheAnswerValue) {
    s.results.repeatnumber = 1;
    s.results.tasklist1 = " 0,";
    s.results.answeredcount = 0;
    s.results.tasknumber = 3;
    recordanswer(s, 1);
    EXPECT_EQ(s.exerciserun.lastanswer, " 1");
    EXPECT_EQ(s.results.tasklist1, " 0,");
    EXPECT_THAT(s.results.tasklist2 + s.results.tasklist3 + s.results.tasklist4, IsEmpty());
    EXPECT_EQ(s.results.answeredcount, 0);
}

TEST_F(FeedbackTest, APlaceIndexOutsideTheTableIsASubscriptError) {
    s.run.taskindex = content::kPlaceSlots;
    EXPECT_EQ(testkit::errorOf([&] { recordanswer(s, 1); }), basic::errSubscript);
}

TEST_F(FeedbackTest, SummaryAddsThePointsInTheFirstRunOnly) {
    // A blank after the points text, then the number with its own sign blank.
    s.results.correctcount = 7;
    s.results.result2 = 213.456;
    EXPECT_EQ(summaryline(s), "Richtig  77.78%    Punkte:  213.46");
    s.results.result2 = std::int16_t{0};
    EXPECT_EQ(summaryline(s), "Richtig  77.78%    Punkte:  0");
    s.results.repeatnumber = 1;
    EXPECT_EQ(summaryline(s), "Richtig  77.78%");
    distancemode(1000, 8);
    EXPECT_EQ(summaryline(s), "Mittlere Abweichung: 125 km.");
}

// ----- FB.DAT and the session record

TEST_F(FeedbackTest, FileOfAFindModeRunInTheOemCodePageWithTheDemonstrationLine) {
    s.texts.text[session::kRightTextPlain] = std::string(kUe) + "bung";
    s.settings.exercisetexts[session::kDemoTimeText] = std::string("Vorf") + kUe + "hrung / s";
    s.results.correctcount = 7;
    s.results.offeranswer = std::int16_t{90};
    f.dir.write("FB.DAT", "an old, much longer file of an earlier run\r\n\r\n\r\n");
    writefeedbackfile(s);
    EXPECT_EQ(fbdat(), std::string(kUeOem) + "bung  77.78%\r\nVorf" + kUeOem + "hrung 90 s.\r\n");
    EXPECT_EQ(s.results.result20, 2727);
    EXPECT_THAT(rdat(), HasSubstr(",\"A\",2727,\"\","));
    EXPECT_EQ(s.shared.currentfile, "");
    EXPECT_FALSE(f.files.isOpen(exercise::feedbackFileNumber));
    EXPECT_TRUE(s.results.resultwritten);
}

TEST_F(FeedbackTest, NoDemonstrationTimeGivesOneLine) {
    distancemode(1000, 8);
    for (basic::Variant offer :
         {basic::Variant(std::int16_t{0}), basic::Variant(-0.5), basic::Variant(session::noValueLong)}) {
        s.results.offeranswer = offer;
        writefeedbackfile(s);
        EXPECT_EQ(fbdat(), "Mittlere Abweichung: 125 km.\r\n") << basic::Str(offer);
    }
}

TEST_F(FeedbackTest, NoFileBeforeARepetitionOffer) {
    s.settings.hostoptions = 4;
    s.results.repeatcount = 2;
    s.results.correctcount = 7;
    writefeedbackfile(s);
    EXPECT_FALSE(fileExists(f.dir.file("FB.DAT")));
    EXPECT_EQ(s.results.result20, 1);
    EXPECT_THAT(rdat(), HasSubstr(",\"A\",1,\"\","));
}

TEST_F(FeedbackTest, FileWhenNoRepetitionWillBeOffered) {
    s.results.correctcount = 9;
    s.settings.hostoptions = 4; // repetitions offered, but no task was wrong
    s.results.repeatcount = 0;
    writefeedbackfile(s);
    EXPECT_EQ(fbdat(), "Richtig  100%\r\n");
    EXPECT_EQ(s.results.result20, 2727);

    std::remove(f.dir.file("FB.DAT").c_str());
    s.settings.hostoptions = 0; // wrong tasks, but no repetitions offered
    s.results.repeatcount = 3;
    writefeedbackfile(s);
    EXPECT_EQ(fbdat(), "Richtig  100%\r\n");
    EXPECT_EQ(s.results.result20, 2727);
}

TEST_F(FeedbackTest, AnUnwritableFileIsReportedAndTheRecordStillWritten) {
    f.dir.mkdir("FB.DAT"); // a folder in the way fails even where permissions do not
    s.results.correctcount = 7;
    EXPECT_NO_THROW(writefeedbackfile(s));
    ASSERT_EQ(f.msgbox.boxes.size(), 1u);
    EXPECT_EQ(f.msgbox.boxes[0].title, "errhandler");
    EXPECT_THAT(f.msgbox.boxes[0].lines, ::testing::Contains("formkartino:writefeedbackfile"));
    EXPECT_THAT(f.msgbox.boxes[0].lines, ::testing::Contains("Datei: " + f.dir.file("FB.DAT")));
    EXPECT_THAT(f.errorLog(), HasSubstr("formkartino:writefeedbackfile"));
    EXPECT_EQ(s.results.result20, 1) << "the missing file must not count as a result";
    EXPECT_THAT(rdat(), HasSubstr(",\"A\",1,\"\","));
    EXPECT_EQ(s.shared.currentfile, "");
    EXPECT_FALSE(f.files.isOpen(exercise::feedbackFileNumber));
}

// ----- the feedback on the form

class AnswerFeedbackTest : public testkit::UiTest {
  protected:
    static constexpr int kBackground = 5;

    AnswerFeedbackTest() {
        start("", {800, 600});
        s.shared.settingspaths = fake.shared.settingspaths;
        auto &sc = s.shared.screen;
        sc.screenwidth = 800, sc.screenheight = 600, sc.areawidth = 800, sc.areaheight = 600;
        for (int n = 0; n <= 16; ++n)
            s.shared.palette[static_cast<std::size_t>(n)] = {static_cast<std::uint8_t>(n * 15), 60,
                                                             static_cast<std::uint8_t>(250 - n * 5)};
        s.map.messagerow = 28;
        s.settings.flagbit0 = true;
        s.settings.fanfaresound = "K:\\all\\tusch.wav";
        s.settings.warnsound = "K:\\all\\warn.wav";
        s.texts.text[session::kRightText] = "Richtig!";
        s.texts.text[session::kWrongText] = "Leider falsch";
        s.settings.exercisetexts[session::kKilometreText] = "Abweichung / km";
        form = std::make_unique<ui::Form>(app(), "FormKartino");
        form->setAutoRedraw(true);
        form->setBackColor(colour(kBackground));
        form->Show();
    }
    void answer(bool correct, std::initializer_list<int> bits) {
        int mask = 0;
        for (int bit : bits)
            mask |= 1 << bit;
        s.settings.featuremask = static_cast<std::int16_t>(mask);
        s.exerciserun.answercorrect = correct;
        exercise::showanswerfeedback(s, *form);
    }
    std::uint32_t colour(int n) const { return common::palcolor(s.shared, n); }
    std::vector<std::string> sounds() const {
        std::vector<std::string> out;
        for (const std::string &l : traceLines())
            if (l.starts_with("sound ")) out.push_back(l);
        return out;
    }
    // The black box printrow lays under the text: its left edge, -1 when nothing was printed.
    int boxleft() const {
        for (int x = 0; x < 800; ++x)
            for (int y = 0; y < 600; ++y)
                if (static_cast<std::uint32_t>(form->Point(x, y)) == colour(0)) return x;
        return -1;
    }
    bool textshown() const {
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x)
                if (static_cast<std::uint32_t>(form->Point(x, y)) == colour(7)) return true;
        return false;
    }
    int centred(double designcentre) const {
        return basic::CInt(common::screenx(s.shared.screen, designcentre) -
                           form->TextWidth(s.exerciserun.messagetext) / 2);
    }

    testkit::FakeServices fake;
    session::Session s{fake.services};
    std::unique_ptr<ui::Form> form;
};

TEST_F(AnswerFeedbackTest, RightAnswerWithFanfareAndText) {
    answer(true, {0, 2});
    EXPECT_EQ(s.exerciserun.messagetext, "Richtig!");
    EXPECT_THAT(sounds(), ElementsAre("sound K:\\all\\tusch.wav"));
    EXPECT_TRUE(textshown());
    EXPECT_EQ(boxleft(), centred(320));
}

TEST_F(AnswerFeedbackTest, RightAnswerIgnoresTheWrongAnswerBits) {
    answer(true, {1, 3});
    EXPECT_EQ(s.exerciserun.messagetext, "Richtig!");
    EXPECT_THAT(sounds(), IsEmpty());
    EXPECT_FALSE(textshown());
    answer(true, {0});
    EXPECT_THAT(sounds(), ElementsAre("sound K:\\all\\tusch.wav"));
    EXPECT_FALSE(textshown());
}

TEST_F(AnswerFeedbackTest, WrongAnswerWithWarningAndText) {
    answer(false, {0, 2});
    EXPECT_EQ(s.exerciserun.messagetext, "Leider falsch");
    EXPECT_THAT(sounds(), IsEmpty());
    EXPECT_FALSE(textshown());
    answer(false, {1, 3});
    EXPECT_THAT(sounds(), ElementsAre("sound K:\\all\\warn.wav"));
    EXPECT_TRUE(textshown());
    EXPECT_EQ(boxleft(), centred(320));
}

TEST_F(AnswerFeedbackTest, DistanceModeShowsTheRoundedKilometresCentredOn312WithoutSound) {
    s.settings.flagbit0 = false;
    s.exerciserun.lastdeviation = 122.5f; // halves go to the even neighbour
    answer(true, {0, 1, 4});
    EXPECT_EQ(s.exerciserun.messagetext, "Abweichung 122 km");
    EXPECT_THAT(sounds(), IsEmpty());
    EXPECT_TRUE(textshown());
    EXPECT_EQ(boxleft(), centred(312));
}

TEST_F(AnswerFeedbackTest, DistanceModeWithoutASolutionBitShowsNothing) {
    s.settings.flagbit0 = false;
    s.exerciserun.lastdeviation = 50;
    s.exerciserun.messagetext = "earlier";
    answer(false, {0, 1, 5, 6, 7, 9});
    EXPECT_EQ(s.exerciserun.messagetext, "earlier");
    EXPECT_THAT(sounds(), IsEmpty());
    EXPECT_FALSE(textshown());
    for (int bit : {2, 3, 8}) {
        answer(false, {bit});
        EXPECT_EQ(s.exerciserun.messagetext, "Abweichung 50 km") << bit;
    }
}

} // namespace
