#include "session/startup_values.hpp"

#include "common/fields.hpp"
#include "common/flags.hpp"
#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"

namespace kartino::session {
namespace {

bool bit(std::int32_t flags, int n) {
    return common::fnbitset(flags, n) != 0;
}

std::int16_t countbits(std::int32_t flags, int from, int to) {
    std::int16_t count = 0;
    for (int i = from; i <= to; ++i)
        count += bit(flags, i) ? 1 : 0;
    return count;
}

} // namespace

void setstartvalues(Session &s) {
    Settings &st = s.settings;
    st.cmdoptions = basic::basicBool(bit(st.cmdoptions, 1));
    const std::string sounds = st.suitefolder + "all\\";
    st.warnsound = sounds + "warn.wav";
    st.fanfaresound = sounds + "tusch.wav";
    st.bangsound = sounds + "bang1.wav";
    s.results.repeatnumber = 0;
    st.switchx = false;
    st.switchk = false;
    st.helpallowed = false;
}

void deriveflags(Session &s) {
    Settings &st = s.settings;
    Results &r = s.results;
    const std::int16_t flags = st.exerciseflags;
    st.flagbit0 = bit(flags, 0);
    st.flagbit1 = bit(flags, 1);
    st.flagbit4 = bit(flags, 4);
    st.colourhitmode = bit(flags, 5) && st.flagbit0;
    st.flagbit6 = bit(flags, 6);
    st.flagbit8 = bit(flags, 8);
    st.shuffleflag = bit(flags, 9);
    st.flagbit10 = bit(flags, 10);
    st.flagbit11 = bit(flags, 11);
    st.flagbit12 = bit(flags, 12);
    st.flagbit13 = bit(flags, 13);
    st.demoonly = bit(flags, 14);

    st.helpcount = countbits(st.helpoptions, 0, 5);
    if (bit(st.helpoptions, 7) && bit(st.helpoptions, 5) && bit(st.helpoptions, 4)) --st.helpcount;
    st.starttime = s.services.clock.timer();
    st.halftasks = basic::CInt(st.taskcount * 0.5);

    r.exerciseflags = flags;
    r.resultflags = 1;
    r.resultmask = basic::checkedInteger(common::fnbits("b1111"));
    r.featuremaskused = basic::checkedInteger(st.featuremask & common::fnbits("b01100011100"));
    r.statusflags = basic::checkedInteger(r.statusflags | common::fnbits("b100000000"));
}

void splitdemotext(Settings &st) {
    const std::string &t = st.exercisetexts[kDemoTimeText];
    const std::size_t slash = t.find('/');
    if (slash == std::string::npos) basic::raise(basic::errInvalidCall);
    st.demotextleft = common::trim(t.substr(0, slash));
    st.demotextright = common::trim(t.substr(slash + 1));
}

void sethelpallowed(Session &s) {
    Settings &st = s.settings;
    st.helpallowed = bit(st.hostoptions, 0) && st.helpcount != 0;
    if (st.helpallowed)
        s.results.statusflags = basic::checkedInteger(s.results.statusflags | common::fnbits("b1"));
}

void timelimitrule(Settings &st) {
    st.timelimitoffer = false;
    if (st.timelimit < 0) st.timelimit = 3600;
    st.timelimitoffer = st.timelimit > 0 && (bit(st.hostoptions, 5) || bit(st.exerciseflags, 7));
}

} // namespace kartino::session
