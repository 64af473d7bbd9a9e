#include "check_session.hpp"

#include "platform/backend/settings.hpp"

namespace kartino::check {

namespace {

// The code page the program's backend settings give the data files; the default when the
// environment holds a setting the program would refuse (the program would not start then).
text::CodePage datacodepage() {
    try {
        return backend::readSettings().oempage;
    } catch (const backend::SettingsError &) {
        return backend::Settings{}.oempage;
    }
}

} // namespace

std::string ReportBox::reason() const {
    if (last.size() < 4) return "cannot be read";
    return last[3] + " (error " + last[2] + ")";
}

CheckSession::CheckSession(Dataset &dataset)
    : files(dataset.paths()),
      services{dataset.paths(), files, clock, rnd, box, {}, {}, [] { throw SessionEnded{}; }} {
    files.setReadLog(&reads);
    services.oempage = datacodepage(); // as the program reads its data files
    s.shared.settingspaths = dataset.settingspaths();
    // No folder can exist below /dev/null: the readers' error log is never written.
    s.shared.settingspaths[common::kResultFolder] = "/dev/null/";
    s.settings.langfolder = dataset.langfolder();
    s.settings.taskcount = 10;
    s.settings.blocknumber = 1;
}

std::vector<std::size_t> CheckSession::readsof(int number) const {
    std::vector<std::size_t> offsets;
    for (const basic::ReadStart &r : reads)
        if (r.number == number) offsets.push_back(r.offset);
    return offsets;
}

} // namespace kartino::check
