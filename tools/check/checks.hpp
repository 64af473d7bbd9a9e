#pragma once
// The checks, grouped by the kind of file they read. Each reports into the findings and reads
// through the program's own readers, so the checker and the program agree on what a file says.
#include "dataset.hpp"
#include "findings.hpp"

#include "session/settings.hpp"
#include "session/texts.hpp"

#include <string>
#include <vector>

namespace kartino::check {

struct Context {
    Dataset &dataset;
    Findings &findings;
};

// The language file "prb" as the program reads it, and the line each read entry began on.
struct LanguageFile {
    bool read = false;
    std::string shown;
    session::Texts texts;
    std::vector<int> lines; // line of read k of the language reader
};

// Reads entries of "prb" the language reader takes, and which of them holds instruction text n
// (the order of its reads); -1 for a text it does not read from the file.
inline constexpr int kLanguageReads = 80;
int languageread(int text);

// "prb" complete, and the charset file's entry for the language.
LanguageFile checklanguage(Context &c);

// The texts of "prb" that the start form and the exercise form show in labels of a fixed width:
// each must fit its label at 640 x 480.
void checklabels(Context &c, const LanguageFile &language);

// Every block of one exercise definition file, and the maps and lists each block names.
void checkexercise(Context &c, const std::string &name);

// One map (with its list) as a block of an exercise plays it: `settings` holds the block's
// values, with the map and list file of one variant; `from` names the block's lines of file
// names and of the record range in the exercise file.
struct BlockRef {
    std::string file;
    int line = 0;      // the map and list file names
    int rangeline = 0; // the record range
    int block = 1;
};
void checkmap(Context &c, const session::Settings &settings, const BlockRef &from);

} // namespace kartino::check
