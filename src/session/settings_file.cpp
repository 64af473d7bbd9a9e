#include "session/settings_file.hpp"

namespace kartino::session {
namespace {

void skipintegers(basic::FileTable &files, int count) {
    for (int i = 0; i < count; ++i)
        files.inputInteger(settingsFileNumber);
}

void readfirstline(basic::FileTable &files, Settings &st) {
    constexpr int n = settingsFileNumber;
    st.areawidthsetting = files.inputVariant(n);
    st.areaheightsetting = files.inputVariant(n);
    st.hostflags = files.inputInteger(n);
    skipintegers(files, 2);
    st.hostoptions = files.inputInteger(n);
    st.protocolflags = files.inputInteger(n);
    skipintegers(files, 2);
    st.featuremask = files.inputInteger(n);
    st.randomseed = files.inputNumber(n);
    st.randomseed = files.inputNumber(n); // the seed is written twice; the second one counts
    files.inputString(n);
}

void readabortkey(basic::FileTable &files, common::AbortKey &key) {
    constexpr int n = settingsFileNumber;
    key.abortkeymodifier = files.inputInteger(n);
    key.abortkeyscancode = files.inputInteger(n);
    files.inputInteger(n);
    files.inputVariant(n);
    files.inputString(n);
    files.inputString(n);
}

void readsuitefolder(basic::FileTable &files, Settings &st) {
    constexpr int n = settingsFileNumber;
    files.inputString(n);
    files.inputInteger(n);
    files.inputString(n);
    files.inputInteger(n);
    files.inputString(n);
    st.suitefolder = files.inputString(n);
}

} // namespace

void readsettingsfile(Session &s) {
    basic::FileTable &files = s.services.files;
    files.open(settingsFileNumber, s.shared.currentfile, basic::OpenMode::Input);
    readfirstline(files, s.settings);
    skipintegers(files, 6);
    readabortkey(files, s.shared.abortkey);
    for (std::string &path : s.shared.settingspaths)
        path = files.lineInput(settingsFileNumber);
    readsuitefolder(files, s.settings);
    files.close(settingsFileNumber);
    s.shared.currentfile.clear();
}

} // namespace kartino::session
