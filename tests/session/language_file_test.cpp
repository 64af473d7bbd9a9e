#include "common/fields.hpp"
#include "session/language_file.hpp"
#include "support/fake_services.hpp"

#include <gtest/gtest.h>

using namespace kartino;
using namespace kartino::session;

namespace {

// A language file as the suite writes it: code page 850, CR LF, one item per line except
// where several share a line.
std::string samplePrb() {
    std::string f = "Taliform Sprachdatei\r\nKartino\r\nja\r\nnein\r\nText 2\r\n\xAD"
                    "Richtig!\r\n"
                    "Falsch!\r\nText 4\r\nText 5\r\nText 6\r\n";
    for (int i = 1; i <= 13; ++i)
        f += "\"Anleitung " + std::to_string(i) + "\"\r\n";
    f += "Text 7\r\n\"W\x84hlen Sie eine Karte, bitte\"\r\n";
    f += "T8,T9,T10\r\nT11,T12\r\n";
    f += "Hilfe 1\r\nHilfe 2\r\nHilfe 3\r\nHilfe 4\r\n";
    f += "T31\r\nT32\r\nT33\r\n";
    for (int i = 1; i <= 5; ++i)
        f += "Wiederholen " + std::to_string(i) + "\r\n";
    f += "weg1,weg2\r\n";
    for (int i = 34; i <= 42; ++i)
        f += "T" + std::to_string(i) + "\r\n";
    f += "\"   T48   \"\r\n";
    f += "Zeit / Minuten\r\nT44\r\nDemonstration?\r\nT46\r\nT49\r\nT50\r\nT51\r\nT52\r\n";
    for (int i = 66; i <= 72; ++i)
        f += "T" + std::to_string(i) + "\r\n";
    f += "T47\r\nT58\r\nT59\r\nWeiter\r\n\"13,32,\x81\"\r\nT60\r\nT63\r\nT64\r\nT65\r\nT75\r\nT76\r\n";
    return f;
}

class LanguageFile : public ::testing::Test {
  protected:
    testkit::FakeServices f;
    Session s{f.services};
    void SetUp() override {
        s.shared.settingspaths = f.shared.settingspaths;
        s.settings.langfolder = f.dir.path() + "/UEB/";
    }
};

} // namespace

TEST_F(LanguageFile, ReadsEveryTextIntoItsNumber) {
    f.dir.write("UEB/PRB", samplePrb()); // found without regard to case
    prbinput(s);
    const Texts &t = s.texts;
    EXPECT_EQ(t.prbheader2, "Kartino");
    EXPECT_EQ(t.text[0], "ja");
    EXPECT_EQ(t.text[3], "\xA1Richtig!");
    EXPECT_EQ(t.text[53], "Falsch!");
    EXPECT_EQ(t.text[6], "Text 6");
    EXPECT_EQ(t.instructionlist[13], "Anleitung 13");
    EXPECT_EQ(t.text[54], "W\xE4hlen Sie eine Karte, bitte"); // umlaut converted, comma kept
    EXPECT_EQ(t.text[10], "T10");
    EXPECT_EQ(t.text[12], "T12");
    EXPECT_EQ(t.helptexts[4], "Hilfe 4");
    EXPECT_EQ(t.repeattexts[5], "Wiederholen 5");
    EXPECT_EQ(t.text[34], "T34");
    EXPECT_EQ(t.text[48], "T48");
    EXPECT_EQ(t.text[43], "Zeit / Minuten");
    EXPECT_EQ(t.text[45], "Demonstration?");
    EXPECT_EQ(t.text[72], "T72");
    EXPECT_EQ(t.text[61], "Weiter");
    EXPECT_EQ(t.text[62], "13,32,\x81");     // the key list keeps its bytes
    EXPECT_EQ(s.shared.keylist, t.text[62]); // and is the go-on key list
    EXPECT_EQ(t.text[76], "T76");
    EXPECT_EQ(t.text[56], "J");
    EXPECT_EQ(t.text[57], "N");
    EXPECT_EQ(t.text[73], "Richtig");
    EXPECT_EQ(t.text[74], "Falsch");
    EXPECT_FALSE(f.files.isOpen(languageFileNumber));
}

TEST_F(LanguageFile, ExclamationMarks) {
    EXPECT_EQ(withoutExclamation("\xA1"
                                 "Bien!"),
              "Bien");
    EXPECT_EQ(withoutExclamation("Gut!"), "Gut");
    EXPECT_EQ(withoutExclamation("\xA1"
                                 "Hola"),
              "Hola");
    EXPECT_EQ(withoutExclamation("Gut"), "Gut");
    EXPECT_EQ(withoutExclamation(""), "");
}

TEST_F(LanguageFile, AShortFileIsReportedAndEndsTheSession) {
    std::string prb = samplePrb();
    f.dir.write("UEB/prb", prb.substr(0, prb.find("T44")));
    EXPECT_THROW(prbinput(s), testkit::SessionEnded);
    EXPECT_EQ(f.errorLog(), "12-07-202609:30:15kartino,moduleA:prbinput,62,Input past end of file,Datei: " +
                                f.dir.path() + "/UEB/prb\r\n");
    ASSERT_EQ(f.msgbox.boxes.size(), 1u);
    EXPECT_EQ(f.msgbox.boxes[0].title, "errhandler");
}

TEST_F(LanguageFile, AMissingFileIsReported) {
    f.dir.mkdir("UEB");
    EXPECT_THROW(prbinput(s), testkit::SessionEnded);
    EXPECT_NE(f.errorLog().find("moduleA:prbinput,53,File not found"), std::string::npos);
}

TEST_F(LanguageFile, InstructionLinesWithHelpAndTimeLimit) {
    Texts &t = s.texts;
    for (int i = 1; i <= 8; ++i)
        t.instructionlist[static_cast<std::size_t>(i)] = "L" + std::to_string(i);
    t.helptexts[1] = "H1";
    t.helptexts[2] = "H2";
    t.text[43] = "Zeit: / Minuten";
    t.text[44] = "T44";
    s.settings.flagbit1 = true;
    s.settings.exerciseparam = std::int16_t{30};
    s.settings.helpallowed = true;
    s.settings.timelimitoffer = true;
    s.settings.timelimit = 300;
    buildinstructionlines(s);
    std::vector<std::string> lines;
    for (int i = 1; t.instructionlines[static_cast<std::size_t>(i)] != "*"; ++i)
        lines.push_back(t.instructionlines[static_cast<std::size_t>(i)]);
    EXPECT_EQ(lines, (std::vector<std::string>{"", "L5", "L6", "L730L8", "", " H1", " H2 5L4.", "",
                                               "Zeit: 5 Minuten", "T44"}));
}

TEST_F(LanguageFile, InstructionLinesFromTheExerciseText) {
    s.texts.instructionlist[5] = "L5";
    s.settings.exercisetexts[6] = "Fehler bis / km";
    s.settings.exerciseparam = 150.5;
    s.settings.helpallowed = true;
    s.texts.helptexts[2] = "H2";
    buildinstructionlines(s);
    const auto &l = s.texts.instructionlines;
    EXPECT_EQ(l[3], "Fehler bis 150.5 km");
    EXPECT_EQ(l[6], " H2 5.");
    EXPECT_EQ(l[7], "*"); // the last help line stays visible
}

TEST_F(LanguageFile, ReadsTheSampleDataSet) {
    s.settings.langfolder = std::string(KARTINO_TEST_DATA) + "/../../examples/sample/UEB/DEUTSCH/";
    prbinput(s);
    EXPECT_TRUE(f.msgbox.boxes.empty());
    EXPECT_FALSE(s.texts.text[0].empty());
    EXPECT_EQ(s.texts.text[56], common::ucase(s.texts.text[0].substr(0, 1)));
    EXPECT_FALSE(s.texts.text[62].empty()); // the go-on key list
}
