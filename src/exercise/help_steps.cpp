// Help steps: each press of the help button or F1 reveals one more piece of the place asked,
// in the order of the help kinds the exercise allows, up to the steps allowed per task.
#include "common/flags.hpp"
#include "common/small_helpers.hpp"
#include "common/text_grid.hpp"
#include "exercise/form_kartino.hpp"
#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"

#include <array>
#include <optional>

namespace kartino::exercise {

namespace {

constexpr std::int16_t kHelpColour = 1, kHelpBack = 0;
constexpr int kHelpKinds = 6; // bits 0..5 of helpoptions

// The bit number of the n-th (1-based) set bit among bits 0..5; none when fewer are set.
std::optional<int> helpkind(std::int16_t helpoptions, int n) {
    for (int bit = 0; bit < kHelpKinds; ++bit)
        if (common::fnbitset(helpoptions, bit) && --n == 0) return bit;
    return std::nullopt;
}

} // namespace

void FormKartino::showhelp() {
    ExerciseRun &exerciserun = s_.exerciserun;
    const session::Settings &st = s_.settings;
    if (!st.helpallowed || exerciserun.helpused >= st.helpcount) return;
    session::Results &r = s_.results;
    r.offerflags = static_cast<std::int16_t>(r.offerflags | common::fnbits("b1"));
    if (exerciserun.helpused == st.helpcount - 1 && CommandHilf.Visible()) CommandHilf.setVisible(false);

    const std::optional<int> kind = helpkind(st.helpoptions, exerciserun.helpused + 1);
    const std::int16_t row = basic::checkedInteger(exerciserun.helprow + exerciserun.helpused);
    const std::int16_t index = s_.run.taskindex;
    if (index < 0 || index >= content::kPlaceSlots) basic::raise(basic::errSubscript);
    const auto &columns = s_.places.placecolumns[static_cast<std::size_t>(index)];
    const std::array<std::string, 4> prefixes = session::valuePrefixes(st);
    const bool bothvalues = common::fnbitset(st.helpoptions, 7) != 0;

    if (kind && *kind <= 3) {
        std::string text;
        if (*kind == 0) {
            const std::int16_t region = basic::CInt(basic::Val(columns[0]));
            if (region < 0 || region > content::kRegionTexts) basic::raise(basic::errSubscript);
            text = s_.places.regiontexts[static_cast<std::size_t>(region)];
        } else {
            text = columns[static_cast<std::size_t>(*kind)];
            if (*kind == 2 && common::fnbitset(st.helpoptions, 6))
                text = st.exercisetexts[session::kSecondTextExtra] + text;
        }
        common::printcell(*this, s_.shared, text, row, exerciserun.helpcolumn, kHelpColour, kHelpBack);
    } else if (kind == 4) {
        common::helpvalueline(*this, s_.shared, row, exerciserun.helpcolumn, 1, columns[4], prefixes);
        if (bothvalues)
            common::helpvalueline(*this, s_.shared, basic::checkedInteger(row + 1), exerciserun.helpcolumn, 2,
                                  columns[5], prefixes);
    } else if (kind == 5 && !bothvalues) {
        common::helpvalueline(*this, s_.shared, row, exerciserun.helpcolumn, 2, columns[5], prefixes);
    }
    common::incr(exerciserun.helpused);
    common::incr(r.helptotal);
}

} // namespace kartino::exercise
