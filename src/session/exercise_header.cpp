#include "session/exercise_header.hpp"

#include "common/errors.hpp"
#include "common/fields.hpp"
#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"
#include "vecgraphics/vector_reader.hpp"

#include <array>
#include <optional>

namespace kartino::session {
namespace {

void setmapcolours(Settings &st) {
    if (st.flagbit6 && st.colourhitmode)
        st.mapcolors = {0, 13, 9, 9, 9, 9};
    else if (st.flagbit6)
        st.mapcolors = {0, 9, 9, 9, 12, 12};
    else
        st.mapcolors = {0, 2, 7, 4, 10, 3};
    st.presentsize = 52;
}

// The text between the first "<" and the first ">" (Mid$ rules: a ">" before the "<" or a
// missing bracket leaves a negative length, the invalid-argument error).
std::string parameterblock(std::string_view header) {
    const std::size_t open = header.find('<');
    const std::size_t close = header.find('>');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open)
        basic::raise(basic::errInvalidCall);
    return std::string(header.substr(open + 1, close - open - 1));
}

void readparameterblock(Session &s, std::string_view header) {
    std::string fields = common::fnreplace(parameterblock(header), ";", ",") + ",,,,";
    Settings &st = s.settings;
    st.mapscale = basic::CInt(basic::Val(common::fnnextfield(fields)));
    s.results.headerresult = st.mapscale;
    st.scalebarkm = basic::CSng(basic::Val(common::fnnextfield(fields)));
    st.scalebarx = basic::CInt(basic::Val(common::fnnextfield(fields)));
    st.scalebary = basic::CInt(basic::Val(common::fnnextfield(fields)));
}

// The text after the first occurrence of `name`, or nothing when the switch is absent.
std::optional<std::string_view> switchvalue(std::string_view header, std::string_view name) {
    const std::size_t at = header.find(name);
    if (at == std::string_view::npos) return std::nullopt;
    return header.substr(at + name.size());
}

bool hasswitch(std::string_view header, std::string_view name) {
    return header.find(name) != std::string_view::npos;
}

std::int16_t integerswitch(std::string_view header, std::string_view name) {
    const auto value = switchvalue(header, name);
    return value ? basic::CInt(basic::Val(*value)) : std::int16_t{0};
}

void readswitches(Settings &st, std::string_view header) {
    if (const auto zoom = switchvalue(header, "/m=")) {
        st.mapzoom = basic::Val(*zoom);
        st.mswitch = true;
    } else {
        st.mapzoom = std::int16_t{4};
        st.mswitch = false;
    }
    st.limit9 = hasswitch(header, "/9") ? 29 : 30;
    st.switchk = hasswitch(header, "/k");
    st.switchx = hasswitch(header, "/x");
    st.switchu = hasswitch(header, "/u");
    st.switch2 = hasswitch(header, "/2");
    st.minusvalue = integerswitch(header, "/-");
    st.equalvalue = integerswitch(header, "/=");
}

} // namespace

void parseexerciseheader(Session &s, std::string_view headerline) {
    readparameterblock(s, headerline);
    readswitches(s.settings, headerline);
}

void readexerciseheader(Session &s) {
    Settings &st = s.settings;
    setmapcolours(st);
    s.vectors.keepnames = 0;
    st.shuffletaken = st.shuffleflag;
    st.shuffleflag = false;
    const std::string path = common::fnfullpath(st.mapfile, s.shared.settingspaths[common::kMapFolder]);
    const vecgraphics::ThinningSettings thinning{0, st.taskcount};
    s.vectors.itemcount = vecgraphics::fngrafin(s.services, s.shared, s.vectors, thinning, path, 0, -1);
    parseexerciseheader(s, s.vectors.headerline);
}

} // namespace kartino::session
