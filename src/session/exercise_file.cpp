#include "session/exercise_file.hpp"

#include "common/fields.hpp"
#include "common/file_helpers.hpp"
#include "common/flags.hpp"
#include "common/small_helpers.hpp"
#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"

namespace kartino::session {
namespace {

constexpr int n = exerciseFileNumber;

void readtexts(Session &s) {
    Settings &st = s.settings;
    for (std::size_t i = 0; i < st.exercisetexts.size(); ++i) {
        st.exercisetexts[i] = text::oemToAnsi(s.services.files.inputString(n), s.services.oempage);
        if (st.exercisetexts[i].starts_with("**")) {
            st.exercisetextlast = static_cast<std::int16_t>(i) - 1;
            return;
        }
    }
}

std::int16_t flagword(basic::FileTable &files) {
    return basic::checkedInteger(common::fnbits(files.inputString(n)));
}

void readblock(basic::FileTable &files, Settings &st) {
    st.exerciseflags = flagword(files);
    st.demoflags = flagword(files);
    st.exerciseflags3 = flagword(files);
    st.helpoptions = flagword(files);

    st.questiontextindex = files.inputInteger(n);
    st.timelimit = files.inputNumber(n);
    st.exerciseparam = std::int16_t{30};
    basic::Variant param = files.inputVariant(n);
    if (param.type() != basic::Variant::Type::Empty) st.exerciseparam = param;
    st.exerciseparam2 = files.inputVariant(n);

    st.mapfile = files.inputString(n);
    st.listname = files.inputString(n);
    st.listfile = files.inputString(n);

    st.listfrom = files.inputInteger(n);
    st.listto = files.inputInteger(n);
    files.inputInteger(n);
}

} // namespace

void readexercisefile(Session &s) {
    basic::FileTable &files = s.services.files;
    files.open(n, s.shared.currentfile, basic::OpenMode::Input);
    common::skiptomarker(files, 2, n);
    readtexts(s);
    for (int block = 2; block <= s.settings.blocknumber; ++block)
        common::skiptomarker(files, 3, n);
    common::skiptomarker(files, 1, n);
    readblock(files, s.settings);
    files.closeAll();
}

void splitvariants(Settings &st) {
    for (std::size_t slash = st.mapfile.find('/'); slash != std::string::npos; slash = st.mapfile.find('/')) {
        if (st.variantcount >= maxVariants) basic::raise(basic::errSubscript);
        const std::string name = st.mapfile.substr(0, slash);
        st.mapfile.erase(0, slash + 1);
        st.variantnames[static_cast<std::size_t>(++st.variantcount)] = name;
        st.variantinitials += common::ucase(name.substr(0, 1));
    }
    if (st.variantcount > 0) {
        st.variantshown = common::fnmin<std::int16_t>(26, st.variantcount);
        st.hasvariants = true;
    }
}

} // namespace kartino::session
