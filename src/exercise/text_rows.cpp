#include "exercise/text_rows.hpp"

#include "common/flags.hpp"
#include "content/map_setup.hpp"
#include "platform/basic/numbers.hpp"

#include <algorithm>
#include <array>

namespace kartino::exercise {

namespace {

constexpr int kLastRow = 30;
constexpr std::int16_t kFirstHelpRow = 2;
constexpr std::int16_t kLeftHelpColumn = 2;

// The first and the last design y of a row's band.
double bandtop(int row) {
    return row * 16.0 - 17;
}
double bandbottom(int row) {
    return row * 16.0 - 2;
}

bool flag(const session::Session &s, int bit) {
    return common::fnbitset(s.task.taskflags, bit) != 0;
}

// Help lines a task may show: one per allowed step, and one more when the value-line step shows
// both lines.
int helplines(const session::Settings &st) {
    const bool both = common::fnbitset(st.helpoptions, 7) && common::fnbitset(st.helpoptions, 4);
    return st.helpcount + (both ? 1 : 0);
}

using Rows = std::array<bool, kLastRow + 2>; // taken rows 1..30

void takebands(Rows &taken, const std::vector<DesignBand> &bands) {
    for (const DesignBand &band : bands)
        for (int row = 1; row <= kLastRow; ++row)
            if (bandtop(row) <= band.bottom && band.top <= bandbottom(row))
                taken[static_cast<std::size_t>(row)] = true;
}

// Rows the presentation of the current task has printed on, with the question's row.
Rows presentationrows(const session::Session &s) {
    Rows taken{};
    auto take = [&](int row) {
        if (row >= 1 && row <= kLastRow) taken[static_cast<std::size_t>(row)] = true;
    };
    const content::Presentation &t = s.task;
    take(s.map.messagerow);
    if (flag(s, 1)) take(t.firstrow + (flag(s, 11) && s.map.messagerow >= 2 ? 1 : 0));
    if (flag(s, 2)) take(t.namerow);
    if (flag(s, 0)) take(s.settings.flagbit4 ? 2 : flag(s, 12) ? t.savedrow : t.firstrow);
    if (flag(s, 4)) take(3);
    if (flag(s, 5)) take(4);
    return taken;
}

// The first row from `first` on that starts `lines` free rows, the last of them at most `last`.
std::optional<std::int16_t> freerun(const Rows &taken, int first, int last, int lines) {
    for (int row = first; row + lines - 1 <= last; ++row) {
        bool free = true;
        for (int r = row; r < row + lines; ++r)
            free = free && !taken[static_cast<std::size_t>(r)];
        if (free) return static_cast<std::int16_t>(row);
    }
    return std::nullopt;
}

} // namespace

std::optional<std::int16_t> firstrowbelowmap(const session::Session &s) {
    const session::Settings &st = s.settings;
    double bottom = s.map.mapbottom;
    if (st.mapscale == content::kWorldMap && st.flagbit11)
        bottom = std::max(bottom, bandbottom(basic::CInt(s.map.mapbottom / 16.0 + 2)));
    if (st.flagbit10 && st.scalebarkm > 0) {
        const double label = bandbottom(st.scalebary / 16 + 2);
        if (label > s.map.mapbottom) bottom = std::max(bottom, label);
        bottom = std::max(bottom, st.scalebary + 4.0);
    }
    for (int row = 1; row <= kLastRow; ++row)
        if (bandtop(row) > bottom) return static_cast<std::int16_t>(row);
    return std::nullopt;
}

std::int16_t maptextrowfor(const session::Session &s) {
    const std::optional<std::int16_t> below = firstrowbelowmap(s);
    return below ? static_cast<std::int16_t>(*below + 1) : std::int16_t{2};
}

HelpPlace helpplacefor(const session::Session &s, const std::vector<DesignBand> &controls) {
    const int lines = std::max(1, helplines(s.settings));
    const std::int16_t right = s.task.rightcolumn;
    Rows taken = presentationrows(s);
    takebands(taken, controls);
    const int abovequestion = s.map.messagerow - 1;
    if (const auto row = freerun(taken, kFirstHelpRow, abovequestion, lines)) return {*row, right};
    if (const std::optional<std::int16_t> below = firstrowbelowmap(s)) {
        if (const auto row = freerun(taken, *below, kLastRow, lines)) return {*row, right};
        if (*below + lines - 1 <= kLastRow) return {*below, kLeftHelpColumn};
    }
    if (const auto row = freerun(taken, kFirstHelpRow, abovequestion, 1)) return {*row, right};
    return {kFirstHelpRow, right};
}

} // namespace kartino::exercise
