#include "content/place_list.hpp"

#include "common/errors.hpp"
#include "common/fields.hpp"
#include "common/flags.hpp"
#include "content/place_marks.hpp"
#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"
#include "platform/text/codepage.hpp"
#include "vecgraphics/vector_reader.hpp"

#include <cmath>

namespace kartino::content {

namespace {

constexpr int kListFile = 1;
constexpr double kDegree = 0.017453; // radians per degree, as the positions were computed

std::int16_t readplaces(session::Session &s, const std::string &file) {
    const vecgraphics::ThinningSettings thinning{basic::basicBool(s.settings.shuffleflag),
                                                 s.settings.taskcount};
    std::int16_t last = vecgraphics::fngrafin(s.services, s.shared, s.vectors, thinning, file,
                                              s.settings.listfrom, s.settings.listto);
    s.vectors.itemcount = last;
    splitnumbers(s);
    s.shared.linebuffer = s.vectors.headerline;
    return last;
}

// The texts of the places from a list file beside the map file: after its header, line k holds
// the text of the record at file position k, behind one marker character.
void readlisttexts(session::Session &s) {
    s.shared.currentfile = common::fnfullpath(s.settings.listfile, s.settings.langfolder);
    if (!common::fnfileexists(s.services, s.shared, s.shared.currentfile, "form1:load"))
        common::abortsession(s.services);
    basic::FileTable &files = s.services.files;
    files.close(kListFile);
    files.open(kListFile, s.shared.currentfile, basic::OpenMode::Input);
    std::string line1 = files.lineInput(kListFile);
    s.places.listheader =
        text::oemToAnsi(vecgraphics::readheadertext(files, kListFile, line1), s.services.oempage);
    int counter = -1;
    std::string line;
    for (int p = 0; p <= s.vectors.itemcount; ++p) {
        auto place = static_cast<std::size_t>(p);
        while (counter < s.places.placenumber[place]) {
            line = files.lineInput(kListFile);
            ++counter;
        }
        std::string name = line.empty() ? std::string() : line.substr(1);
        s.vectors.recordname[place] = text::oemToAnsi(name + ",", s.services.oempage);
    }
    files.close(kListFile);
    s.shared.linebuffer = s.places.listheader;
}

// The region texts after "/l": their count, then the texts, as fields of the header.
void readregiontexts(session::Session &s) {
    std::string &list = s.shared.linebuffer;
    if (list.find("/l") == std::string::npos) return;
    auto n = basic::CInt(basic::Val(common::fnnextfield(list)));
    for (int k = 1; k <= n; ++k) {
        if (k > kRegionTexts) basic::raise(basic::errSubscript);
        s.places.regiontexts[static_cast<std::size_t>(k)] = common::fnnextfield(list);
    }
}

void checkplace(int p) {
    if (p < 0 || p >= kPlaceSlots) basic::raise(basic::errSubscript);
}

} // namespace

void loadplacelist(session::Session &s, ui::Form &form) {
    session::Settings &st = s.settings;
    s.vectors.keepnames = -1;
    s.places.listloaded = false;
    if (!common::trim(st.mapfile).empty()) {
        readplaces(s, common::fnfullpath(st.mapfile, s.shared.settingspaths[common::kMapFolder]));
        s.places.listloaded = true;
    }
    if (!common::trim(st.listfile).empty()) {
        if (s.places.listloaded)
            readlisttexts(s);
        else
            readplaces(s, common::fnfullpath(st.listfile, st.langfolder));
    }
    readregiontexts(s);
    splitfields(s);
    if (common::fnbitset(st.exerciseflags, 5)) {
        for (s.run.taskindex = 0; s.run.taskindex <= s.vectors.itemcount; ++s.run.taskindex) {
            DesignPoint at = placeposition(s, s.run.taskindex);
            markplace(s, form, at.x, at.y, st.mapcolors[2]);
        }
    }
    drawscalebar(s, form);
}

void splitnumbers(session::Session &s) {
    for (int p = 0; p <= s.vectors.itemcount; ++p) {
        checkplace(p);
        auto at = static_cast<std::size_t>(p) * 3;
        std::string field =
            at < s.vectors.recordlist.size() ? s.vectors.recordlist.substr(at, 3) : std::string();
        s.places.placenumber[static_cast<std::size_t>(p)] = basic::CInt(basic::Val(field));
    }
}

void splitfields(session::Session &s) {
    for (int p = 0; p <= s.vectors.itemcount; ++p) {
        checkplace(p);
        const std::string &name = s.vectors.recordname[static_cast<std::size_t>(p)];
        std::size_t from = 0;
        for (int c = 0; c < kPlaceColumns; ++c) {
            std::size_t comma = name.find(',', from);
            if (comma == std::string::npos) basic::raise(basic::errInvalidCall); // fewer than nine fields
            s.places.placecolumns[static_cast<std::size_t>(p)][static_cast<std::size_t>(c)] =
                name.substr(from, comma - from);
            from = comma + 1;
        }
    }
}

DesignPoint polarposition(const session::Session &s, double distance, double direction) {
    if (s.settings.mswitch) distance = distance * s.settings.mapzoom.toDouble() / 4;
    return {basic::checkedLong(std::int64_t{s.map.mapcentrex} +
                               basic::CInt(distance * std::cos(direction * kDegree))),
            basic::checkedLong(std::int64_t{s.map.mapcentrey} -
                               basic::CInt(distance * std::sin(direction * kDegree)))};
}

DesignPoint placeposition(const session::Session &s, std::int16_t index) {
    checkplace(index);
    const auto &columns = s.places.placecolumns[static_cast<std::size_t>(index)];
    return polarposition(s, basic::Val(columns[6]), basic::Val(columns[7]));
}

} // namespace kartino::content
