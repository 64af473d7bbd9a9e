// The exercise definition file: the texts, then each block (four flag words, four numbers, the
// map and list file names, the record range), read block by block with the program's reader;
// the files each block names, and every map of its variants.
#include "check_session.hpp"
#include "checks.hpp"
#include "text_lines.hpp"

#include "common/errors.hpp"
#include "common/fields.hpp"
#include "platform/basic/errors.hpp"
#include "session/exercise_file.hpp"
#include "session/startup_values.hpp"

#include <regex>

namespace kartino::check {

namespace {

constexpr int kBlockReads = 14; // 4 flag words, 4 numbers, 3 names, 3 numbers
constexpr int kTextSlots = 41;

struct ExerciseFile {
    std::string legacy; // the path the program opens
    std::string shown;
    TextLines lines;
    int textsline = 0; // the "**" line the texts follow
    int blocks = 1;
};

// The blocks the file holds: one after the texts, one more after each "***" line that follows.
void countblocks(ExerciseFile &e) {
    int markers = 0;
    for (int line = 1; line <= e.lines.count(); ++line) {
        const std::string_view t = e.lines.text(line);
        if (markers < 2) {
            if (t.starts_with("**") && ++markers == 1) e.textsline = line;
        } else if (t.starts_with("***")) {
            ++e.blocks;
        }
    }
}

// The text of the list item that begins at `offset`: up to a comma or the line end, unquoted.
std::string itemat(const TextLines &lines, std::size_t offset) {
    const std::string &b = lines.bytes();
    if (offset < b.size() && b[offset] == '"') {
        const std::size_t close = b.find('"', offset + 1);
        return b.substr(offset + 1, (close == std::string::npos ? b.size() : close) - offset - 1);
    }
    const std::size_t end = b.find_first_of(",\r\n", offset);
    return b.substr(offset, (end == std::string::npos ? b.size() : end) - offset);
}

void checkflagwords(Context &c, const CheckSession &cs, const ExerciseFile &e,
                    const std::vector<std::size_t> &reads, int block) {
    static const char *const names[] = {"exercise flags", "demonstration flags", "presentation flags",
                                        "help options"};
    static const std::regex literal("\\s*[bB][01]*\\s*|\\s*-?[0-9]+\\s*");
    const std::size_t first = reads.size() - kBlockReads;
    for (std::size_t k = 0; k < 4; ++k) {
        const std::string item = itemat(e.lines, reads[first + k]);
        if (!std::regex_match(item, literal))
            c.findings.warning(e.shown, e.lines.lineat(reads[first + k]),
                               "block " + std::to_string(block) + ": the " + names[k] + " " +
                                   quoted(text::oemToAnsi(item, cs.services.oempage)) +
                                   " are not a bit string \"b0101…\": anything but 1 counts as 0");
    }
}

// The demonstration's two texts and the question text the block points at.
void checktexts(Context &c, const ExerciseFile &e, const session::Settings &st, int line, int block) {
    const std::size_t q = static_cast<std::size_t>(st.questiontextindex);
    if (st.questiontextindex < 0 || st.questiontextindex >= kTextSlots)
        c.findings.error(e.shown, line,
                         "block " + std::to_string(block) + ": question text " +
                             std::to_string(st.questiontextindex) + " is outside the texts 0 to 40");
    else if (st.questiontextindex > st.exercisetextlast || st.exercisetexts[q].empty())
        c.findings.warning(e.shown, line,
                           "block " + std::to_string(block) + ": question text " +
                               std::to_string(st.questiontextindex) + " is empty");
}

// The map and list file of each variant, or the block's own.
void checktargets(Context &c, session::Settings st, const BlockRef &ref) {
    try {
        session::splitvariants(st);
    } catch (const basic::RuntimeError &) {
        c.findings.error(ref.file, ref.line,
                         "block " + std::to_string(ref.block) + ": more than " +
                             std::to_string(session::maxVariants) + " variant names");
        return;
    }
    if (!st.hasvariants) {
        checkmap(c, st, ref);
        return;
    }
    for (int v = 1; v <= st.variantcount; ++v) {
        const std::string name = common::trim(st.variantnames[static_cast<std::size_t>(v)]);
        st.mapfile = name + ".VEC";
        st.listfile = name + ".LST";
        checkmap(c, st, ref);
    }
}

void checkblock(Context &c, const ExerciseFile &e, int block, const std::string &name) {
    CheckSession cs(c.dataset);
    cs.s.settings.exercisefile = name;
    cs.s.settings.blocknumber = static_cast<std::int16_t>(block);
    cs.s.shared.currentfile = e.legacy;
    const std::string where = "block " + std::to_string(block) + ": ";
    try {
        session::readexercisefile(cs.s);
    } catch (const basic::RuntimeError &err) {
        const auto reads = cs.readsof(session::exerciseFileNumber);
        const int line = reads.empty() ? 1 : e.lines.lineat(reads.back());
        if (err.number() == basic::errInputPastEnd)
            c.findings.error(e.shown, line, where + "the file ends before the block's four lines of values");
        else
            c.findings.error(e.shown, line,
                             where + err.description() + " (error " + std::to_string(err.number()) + ")");
        return;
    }
    const auto reads = cs.readsof(session::exerciseFileNumber);
    const std::size_t first = reads.size() - kBlockReads;
    BlockRef ref{e.shown, e.lines.lineat(reads[first + 8]), e.lines.lineat(reads[first + 11]), block};
    checkflagwords(c, cs, e, reads, block);
    session::deriveflags(cs.s);
    checktexts(c, e, cs.s.settings, e.lines.lineat(reads[first + 4]), block);
    if (block == 1) {
        try {
            session::splitdemotext(cs.s.settings);
        } catch (const basic::RuntimeError &) {
            c.findings.error(
                e.shown, e.textsline + 16,
                "text 15 (the demonstration's two texts) has no \"/\": the program stops at start-up");
        }
    }
    checktargets(c, cs.s.settings, ref);
}

} // namespace

void checkexercise(Context &c, const std::string &name) {
    const std::string legacy = c.dataset.langfolder() + name;
    const auto file = c.dataset.locate(legacy);
    if (!file) {
        c.findings.error(c.dataset.shown(legacy), 0, "the exercise definition file is missing");
        return;
    }
    if (file->casediffers)
        c.findings.warning(file->shown, 0, "the host names it \"" + name + "\" (letter case differs)");
    ExerciseFile e{legacy, file->shown, TextLines(filebytes(file->path))};
    countblocks(e);
    if (e.textsline == 0) {
        c.findings.error(e.shown, e.lines.count(), "no line beginning with \"**\" before the exercise texts");
        return;
    }
    for (int block = 1; block <= e.blocks; ++block)
        checkblock(c, e, block, name);
}

} // namespace kartino::check
