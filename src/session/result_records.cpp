#include "session/result_records.hpp"

#include "common/flags.hpp"
#include "common/small_helpers.hpp"
#include "common/suite_library.hpp"
#include "platform/basic/numbers.hpp"
#include "platform/ui/session_end.hpp"

#include <cstdio>
#include <exception>

namespace kartino::session {

namespace {

using basic::Variant;

void openresultfile(Session &s, basic::OpenMode mode) {
    s.shared.currentfile = s.shared.settingspaths[common::kResultFolder] + "R.DAT";
    s.services.files.close(resultFileNumber);
    s.services.files.open(resultFileNumber, s.shared.currentfile, mode);
}

void openresultfile(Session &s) {
    openresultfile(s, s.results.resultwritten ? basic::OpenMode::Append : basic::OpenMode::Output);
}

void printprotocollines(Session &s) {
    for (int i = 1; i <= s.results.protocolcount; ++i)
        s.services.files.print(resultFileNumber, s.results.protocollines[static_cast<std::size_t>(i)]);
}

std::string answerline(const Results &r) {
    return r.tasklist1 + r.tasklist2 + r.tasklist3 + r.tasklist4;
}

} // namespace

// Closes every file and ends the process with the exit code. A file that cannot be written at
// this point has no one left to report to; the process ends all the same.
void endprocess(Session &s, int exitCode) {
    try {
        s.services.files.closeAll();
    } catch (const std::exception &e) {
        std::fprintf(stderr, "kartino: closing files: %s\n", e.what());
    }
    s.shared.currentfile.clear();
    throw ui::SessionEnd{exitCode};
}

void protocolline(Session &s, const std::string &code, const std::string &answer, std::int32_t value) {
    Results &r = s.results;
    if (!common::fnbitset(s.settings.protocolflags, 3) || r.protocolcount >= maxProtocolLines) return;
    ++r.protocolcount;
    r.protocollines[static_cast<std::size_t>(r.protocolcount)] =
        "s" + code + answer + common::fnformat("######", value) + s.services.clock.date() +
        s.services.clock.time();
}

void writesessionrecord(Session &s) {
    Results &r = s.results;
    openresultfile(s);
    s.services.files.write(resultFileNumber,
                           {"g",           r.result2,      r.result3,      r.result4,         r.result5,
                            r.result6,     r.correctcount, r.result8,      r.result9,         r.helptotal,
                            r.result11,    r.result12,     r.headerresult, r.result14,        r.result15,
                            r.offeranswer, r.tasknumber,   r.resultmask,   r.variantletter,   r.result20,
                            r.result21,    r.statusflags,  r.offerflags,   r.featuremaskused, r.exerciseflags,
                            r.resultflags, r.result27,     r.result28,     r.offertime});
    s.services.files.write(resultFileNumber, {"e", basic::checkedInteger(r.tasknumber - 1)});
    s.services.files.print(resultFileNumber, answerline(r));
    printprotocollines(s);
    // The record counts as written only once it is on disk: a close that fails leaves the
    // protocol lines and the answered tasks to the cancel record, and R.DAT to be created anew
    // rather than appended to (it may still be an earlier session's).
    s.services.files.close(resultFileNumber);
    r.protocolcount = 0;
    r.resultwritten = true;
    r.answeredcount = 0;
    s.shared.currentfile.clear();
}

void endsession(Session &s) {
    Results &r = s.results;
    try {
        openresultfile(s);
        printprotocollines(s);
        s.services.files.write(resultFileNumber, {"c", r.answeredcount, r.resultmask, r.variantletter,
                                                  r.exerciseflags, r.statusflags, r.offerflags});
        s.services.files.print(resultFileNumber, r.repeatnumber == 0 ? answerline(r) : std::string());
        s.services.files.close(resultFileNumber);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "kartino: writing the cancel record: %s\n", e.what());
    }
    endprocess(s, 1);
}

void finishsession(Session &s) {
    if (s.results.resultwritten) {
        openresultfile(s, basic::OpenMode::Append);
        printprotocollines(s);
        s.services.files.close(resultFileNumber);
    }
    endprocess(s, 0);
}

void writedemorecord(Session &s) {
    double elapsed = static_cast<double>(s.services.clock.timer()) - s.settings.starttime;
    protocolline(s, "3", "-", basic::CLng(common::fnmin(elapsed, 999999.0)));
    openresultfile(s, basic::OpenMode::Output);
    printprotocollines(s);
    s.services.files.print(resultFileNumber, "i");
    s.services.files.closeAll();
    s.shared.currentfile.clear();
}

void resetrun(Session &s) {
    Results &r = s.results;
    r.correctcount = 0;
    r.totaltime = 0;
    if (common::fnbitset(s.settings.hostoptions, 2)) {
        r.repeatfile = r.repeatfile == "X" ? "XX" : "X";
        s.shared.currentfile = s.shared.settingspaths[common::kResultFolder] + r.repeatfile;
        s.services.files.close(repeatFileNumber);
        s.services.files.open(repeatFileNumber, s.shared.currentfile, basic::OpenMode::Output);
        r.repeatcount = 0;
    }
}

} // namespace kartino::session
