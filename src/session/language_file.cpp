#include "session/language_file.hpp"

#include "common/errors.hpp"
#include "common/fields.hpp"
#include "platform/basic/numbers.hpp"
#include "platform/basic/variant.hpp"

#include <initializer_list>

namespace kartino::session {

namespace {

struct PrbReader {
    Session &s;

    std::string oem(const std::string &t) const { return text::oemToAnsi(t, s.services.oempage); }
    std::string line() { return oem(s.services.files.lineInput(languageFileNumber)); }
    std::string item() { return oem(s.services.files.inputString(languageFileNumber)); }
    void texts(std::initializer_list<int> numbers) {
        for (int n : numbers)
            s.texts.text[static_cast<std::size_t>(n)] = item();
    }
    void range(int from, int to) {
        for (int n = from; n <= to; ++n)
            s.texts.text[static_cast<std::size_t>(n)] = item();
    }
    template <std::size_t N> void list(std::array<std::string, N> &a, int count) {
        for (int i = 1; i <= count; ++i)
            a[static_cast<std::size_t>(i)] = item();
    }
};

void readprb(Session &s) {
    Texts &t = s.texts;
    PrbReader r{s};
    s.services.files.close(languageFileNumber);
    s.shared.currentfile = s.settings.langfolder + "prb";
    s.services.files.open(languageFileNumber, s.shared.currentfile, basic::OpenMode::Input);

    // The file holds the numbered texts in this order, by their entry numbers in `Texts::text`.
    t.prbheader1 = r.line();
    t.prbheader2 = r.line();
    for (int n : {0, 1, 2, 3, 53, 4, 5, 6})
        t.text[static_cast<std::size_t>(n)] = r.line();

    r.list(t.instructionlist, 13);
    r.texts({7, 54, 8, 9, 10, 11, 12});
    r.list(t.helptexts, 4);
    r.texts({31, 32, 33});
    r.list(t.repeattexts, 5);
    r.item();
    r.item();
    r.range(34, 42);
    t.text[kTrimmedText] = common::trim(r.item());
    r.texts({43, 44, 45, 46, 49, 50, 51, 52});
    r.range(66, 72);
    r.texts({47, 58, 59, 61});
    t.text[kGoOnKeys] = s.services.files.inputString(languageFileNumber);
    s.shared.keylist = t.text[kGoOnKeys]; // the go-on keys, for fninlist
    r.texts({60, 63, 64, 65, 75, 76});
    s.services.files.close(languageFileNumber);

    t.text[kYesKey] = common::ucase(t.text[kYesText].substr(0, 1));
    t.text[kNoKey] = common::ucase(t.text[kNoText].substr(0, 1));
    t.text[kRightTextPlain] = withoutExclamation(t.text[kRightText]);
    t.text[kWrongTextPlain] = withoutExclamation(t.text[kWrongText]);
}

} // namespace

std::string withoutExclamation(const std::string &text) {
    std::string r = text;
    if (!r.empty() && r.back() == '!') r.pop_back();
    if (!text.empty() && text.front() == '\xA1') r.erase(0, 1);
    return r;
}

void prbinput(Session &s) {
    try {
        readprb(s);
    } catch (const basic::RuntimeError &e) {
        common::errhandler(s.services, s.shared, e, "moduleA:prbinput");
        common::abortsession(s.services);
    }
}

void buildinstructionlines(Session &s) {
    Texts &t = s.texts;
    const Settings &st = s.settings;
    int n = 1;
    auto add = [&](const std::string &line) {
        if (n >= static_cast<int>(t.instructionlines.size()) - 1) return;
        ++n;
        t.instructionlines[static_cast<std::size_t>(n)] = line;
    };
    t.instructionlines[kFirstInstructionLine].clear();
    add(t.instructionlist[kMapIntroText]);
    if (st.flagbit1) {
        add(t.instructionlist[kFindTaskText]);
        add(t.instructionlist[kToleranceBefore] + st.exerciseparam.toString() +
            t.instructionlist[kToleranceAfter]);
    } else if (st.flagbit0) {
        add(t.instructionlist[kFindTaskText]);
    } else {
        add(common::fnreplace(st.exercisetexts[kParameterLineText], " /", basic::Str(st.exerciseparam)));
    }
    add("");
    if (st.helpallowed) {
        add(" " + t.helptexts[kHelpIntroText]);
        add(" " + t.helptexts[kHelpCountText] + " 5" + t.instructionlist[kHelpTimesText] + ".");
    }
    if (st.timelimitoffer) {
        add("");
        add(common::fnreplace(t.text[kTimeLimitText], " /", basic::Str(basic::CInt(st.timelimit / 60))));
        add(t.text[kTimeLimitNote]);
    }
    // The terminator follows the last line, so every built line is shown.
    t.instructionlines[static_cast<std::size_t>(n + 1)] = "*";
}

} // namespace kartino::session
