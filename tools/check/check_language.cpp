// The language file "prb": every entry the language reader takes must be there; and the charset
// file must hold the language's entry.
#include "check_session.hpp"
#include "checks.hpp"
#include "text_lines.hpp"

#include "common/charset.hpp"
#include "common/fields.hpp"
#include "session/language_file.hpp"

#include <array>

namespace kartino::check {

namespace {

// The order in which the language reader takes its entries: two header lines, texts 0 to 3, 53,
// 4 to 6 (whole lines), then items: the instruction list 1..13, texts 7 and 54, 8 to 12, the
// help texts 1..4, 31 to 33, the repetition texts 1..5, two unused items, 34 to 42, 48, 43 to
// 46, 49 to 52, 66 to 72, 47, 58, 59, 61, 62, 60, 63 to 65, 75, 76.
constexpr std::array<int, 50> kTextReads = {
    // {text, read} pairs flattened
    0,  2,  1,  3,  2,  4,  3,  5,  53, 6,  4,  7,  5,  8,  6,  9,  7,  23, 54, 24, 8,  25, 9,  26, 10,
    27, 11, 28, 12, 29, 43, 54, 44, 55, 45, 56, 46, 57, 49, 58, 50, 59, 61, 72, 62, 73, 60, 74, 76, 79};

// A line "KEY,NUMBER" of the charset file for `key`, matched without regard to case.
bool haskey(const TextLines &lines, const std::string &key) {
    for (int line = 1; line <= lines.count(); ++line) {
        const std::string_view t = lines.text(line);
        const std::size_t comma = t.find(',');
        if (comma != std::string_view::npos && common::ucase(t.substr(0, comma)) == common::ucase(key))
            return true;
    }
    return false;
}

} // namespace

int languageread(int text) {
    for (std::size_t i = 0; i + 1 < kTextReads.size(); i += 2)
        if (kTextReads[i] == text) return kTextReads[i + 1];
    return -1;
}

LanguageFile checklanguage(Context &c) {
    LanguageFile l;
    const std::string legacy = c.dataset.langfolder() + "prb";
    const auto file = c.dataset.locate(legacy);
    if (!file) {
        c.findings.error(c.dataset.shown(legacy), 0, "the language file is missing");
        return l;
    }
    l.shown = file->shown;
    if (file->casediffers)
        c.findings.warning(l.shown, 0, "the program opens it as \"prb\" (letter case differs)");
    const TextLines lines(filebytes(file->path));
    CheckSession cs(c.dataset);
    try {
        session::prbinput(cs.s);
        l.read = true;
        l.texts = cs.s.texts;
    } catch (const SessionEnded &) {
        const std::size_t done = cs.readsof(session::languageFileNumber).size();
        const int line = lines.count();
        c.findings.error(l.shown, line,
                         "the language file ends before entry " + std::to_string(done) + " of " +
                             std::to_string(kLanguageReads) + ": " + cs.box.reason());
    }
    for (std::size_t offset : cs.readsof(session::languageFileNumber))
        l.lines.push_back(lines.lineat(offset));

    CheckSession charset(c.dataset);
    const std::string charsetlegacy = c.dataset.settingspaths()[0] + "charset";
    const std::string charsetfile = c.dataset.shown(charsetlegacy);
    try {
        common::ReadCharset(charset.services, charset.s.shared);
        const auto charsetfound = c.dataset.locate(charsetlegacy);
        if (charsetfound && !haskey(TextLines(filebytes(charsetfound->path)), c.dataset.language()))
            c.findings.warning(charsetfile, 0,
                               "no line for " + c.dataset.language() + ": the labels use character set 0");
    } catch (const SessionEnded &) {
        c.findings.error(charsetfile, 0, "the charset file cannot be read: " + charset.box.reason());
    }
    return l;
}

} // namespace kartino::check
