// The places of a map: each with its nine fields, the list file long enough for every place
// number, the region texts within their table; then, on the map drawn by the program's map
// set-up at 640 x 480, each place inside the map rectangle and, under the colour test, on a
// target colour of the map itself (the list loader's marks, drawn at the places afterwards, do
// not count: they would hide a place that misses its spot on the map).
#include "map_files.hpp"

#include "common/design_screen.hpp"
#include "common/fields.hpp"
#include "common/flags.hpp"
#include "common/palette.hpp"
#include "content/map_setup.hpp"
#include "content/place_list.hpp"
#include "platform/backend/headless/headless_backend.hpp"
#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"
#include "platform/text/codepage.hpp"
#include "platform/ui/application.hpp"
#include "platform/ui/form.hpp"
#include "vecgraphics/vector_reader.hpp"

#include <algorithm>
#include <limits>

namespace kartino::check {

namespace {

struct PlaceText {
    std::string file;
    int line = 0;
    std::string text; // the place's fields, "," ended
};

int headerlines(const TextLines &lines) {
    const std::string_view first = lines.text(1);
    return first.size() > 3 && first.back() == ';' ? 10 : 1;
}

// Where the text of place `p` stands: its list file line, or its record's name line.
std::optional<PlaceText> placetext(Context &c, const CheckSession &cs, const MapFiles &m, int p) {
    const int position = cs.s.places.placenumber[static_cast<std::size_t>(p)];
    if (!m.list) {
        return PlaceText{m.map.shown, m.maprecords.lineof(position, std::numeric_limits<std::int32_t>::max()),
                         cs.s.vectors.recordname[static_cast<std::size_t>(p)]};
    }
    const TextLines &lines = *m.listlines;
    const int line = headerlines(lines) + position + 1;
    if (line > lines.count()) {
        c.findings.error(m.list->shown, lines.count(),
                         "the list file ends at line " + std::to_string(lines.count()) +
                             "; the place of record " + std::to_string(position) + " of the map needs line " +
                             std::to_string(line));
        return std::nullopt;
    }
    const std::string_view text = lines.text(line);
    return PlaceText{m.list->shown, line, std::string(text.empty() ? text : text.substr(1)) + ","};
}

// The block's record range within the map's records: past the last record the reader loads empty
// records, which the places then take for record 0.
bool checkrange(Context &c, const session::Session &s, const MapFiles &m) {
    const int records = m.maprecords.records();
    const int last = s.settings.listto == -1 ? s.vectors.itemcount : s.settings.listto;
    const std::string where = "block " + std::to_string(m.from.block) + ": the record range " +
                              std::to_string(s.settings.listfrom) + " to " +
                              std::to_string(s.settings.listto);
    if (s.settings.listfrom < 0 || last < s.settings.listfrom)
        c.findings.error(m.from.file, m.from.rangeline, where + " holds no record");
    else if (last >= records)
        c.findings.error(m.from.file, m.from.rangeline,
                         where + " passes the map's records 0 to " + std::to_string(records - 1));
    else
        return true;
    return false;
}

// The nine fields of every place, as the text the list loader will split.
bool checkfields(Context &c, CheckSession &scratch, const MapFiles &m) {
    session::Session &s = scratch.s;
    if (!checkrange(c, s, m)) return false;
    s.vectors.keepnames = -1;
    const vecgraphics::ThinningSettings all{0, s.settings.taskcount};
    try {
        s.vectors.itemcount = vecgraphics::fngrafin(scratch.services, s.shared, s.vectors, all, m.map.path,
                                                    s.settings.listfrom, s.settings.listto);
        content::splitnumbers(s);
    } catch (const SessionEnded &) {
        c.findings.error(m.from.file, m.from.rangeline,
                         "block " + std::to_string(m.from.block) + ": the record range " +
                             std::to_string(s.settings.listfrom) + " to " +
                             std::to_string(s.settings.listto) +
                             " cannot be loaded: " + scratch.box.reason());
        return false;
    } catch (const basic::RuntimeError &e) {
        c.findings.error(m.map.shown, 0, "the places cannot be numbered: " + e.description());
        return false;
    }
    bool ok = true;
    for (int p = 0; p <= s.vectors.itemcount; ++p) {
        const auto t = placetext(c, scratch, m, p);
        if (!t) return false;
        const auto fields = std::count(t->text.begin(), t->text.end(), ',');
        if (fields >= content::kPlaceColumns) continue;
        ok = false;
        c.findings.error(t->file, t->line,
                         "the place of record " +
                             std::to_string(s.places.placenumber[static_cast<std::size_t>(p)]) + " has " +
                             std::to_string(fields) + " fields; a place needs 9");
    }
    return ok;
}

// The count after "/l" in the header the region texts are read from (the list file's beside a
// map, else the map's); 0 without "/l".
int regioncount(const CheckSession &cs, const MapFiles &m) {
    std::string header = cs.s.vectors.headerline;
    if (m.list) header = m.listlines->text(1).size() > 3 ? std::string(m.listlines->text(1).substr(3)) : "";
    if (header.find("/l") == std::string::npos) return 0;
    return basic::CInt(basic::Val(common::fnnextfield(header)));
}

// At most the table's 100 region texts.
bool checkregions(Context &c, const CheckSession &cs, const MapFiles &m) {
    const int n = regioncount(cs, m);
    if (n <= content::kRegionTexts) return true;
    c.findings.error(m.list ? m.list->shown : m.map.shown, 1,
                     "the header names " + std::to_string(n) + " region texts; the table holds " +
                         std::to_string(content::kRegionTexts));
    return false;
}

// The program's own map set-up and list loader on a headless form of 640 x 480.
struct MapForm {
    explicit MapForm(CheckSession &cs) : backend(config()), app(backend), form(app, "FormKartino") {
        form.setAutoRedraw(true);
        form.setBackColor(common::palcolor(cs.s.shared, 0));
        form.Show();
    }
    static backend::HeadlessConfig config() {
        backend::HeadlessConfig c;
        c.screen = {common::maxdesignx + 1, common::maxdesigny + 1};
        return c;
    }
    backend::HeadlessBackend backend;
    ui::Application app;
    ui::Form form;
};

// The map as the map set-up drew it, before the list loader marks the places on it.
gfx::Surface drawnmap(const ui::Form &form) {
    gfx::Surface map(common::maxdesignx + 1, common::maxdesigny + 1);
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x)
            map.row(y)[x] = static_cast<gfx::Colour>(form.Point(x, y));
    return map;
}

// The region code of a place shown or given as help: within the table, and one the header names.
void checkregioncode(Context &c, const CheckSession &cs, const MapFiles &m, const PlaceText &t,
                     const std::string &name, const std::string &code) {
    const session::Settings &st = cs.s.settings;
    if (!common::fnbitset(st.exerciseflags3, 0) && !common::fnbitset(st.helpoptions, 0)) return;
    const double region = basic::Val(code);
    const int n = regioncount(cs, m);
    if (region < 0 || region > content::kRegionTexts)
        c.findings.error(t.file, t.line,
                         name + ": region code " + code + " is outside the table of " +
                             std::to_string(content::kRegionTexts) + " region texts");
    else if (region < 1 || region > n)
        c.findings.warning(t.file, t.line,
                           name + ": region code " + code + " names none of the header's " +
                               std::to_string(n) + " region texts: the region is shown empty");
}

void checkpositions(Context &c, CheckSession &cs, const MapFiles &m, const gfx::Surface &map) {
    const session::Session &s = cs.s;
    const content::MapGeometry &g = s.map;
    const bool pointmode = common::fnbitset(s.settings.exerciseflags3, 8) != 0;
    for (int p = 0; p <= s.vectors.itemcount; ++p) {
        const auto index = static_cast<std::size_t>(p);
        const auto &columns = s.places.placecolumns[index];
        const auto t = placetext(c, cs, m, p);
        const std::string name = "place " + std::to_string(s.places.placenumber[index]) + " (" +
                                 text::ansiToUtf8(columns[1]) + ")";
        checkregioncode(c, cs, m, *t, name, columns[0]);
        content::DesignPoint at;
        try {
            at = content::placeposition(s, static_cast<std::int16_t>(p));
        } catch (const basic::RuntimeError &e) {
            c.findings.error(t->file, t->line,
                             name + ": its position cannot be computed: " + e.description());
            continue;
        }
        const std::string where = " at (" + std::to_string(at.x) + ", " + std::to_string(at.y) + ")";
        if (at.x < g.mapleft || at.x > g.mapright || at.y < g.maptop || at.y > g.mapbottom) {
            c.findings.error(t->file, t->line,
                             name + where + " lies outside the map (" + std::to_string(g.mapleft) + ", " +
                                 std::to_string(g.maptop) + ")-(" + std::to_string(g.mapright) + ", " +
                                 std::to_string(g.mapbottom) + ")");
            continue;
        }
        const bool colourtest = s.settings.colourhitmode || (pointmode && basic::Val(columns[8]) != -1);
        if (!colourtest) continue;
        // A design unit is a pixel at 640 x 480.
        const std::uint32_t colour = map.contains(at.x, at.y) ? map.at(at.x, at.y) : 0xFFFFFFFFu;
        if (colour != g.targetcolour1 && colour != g.targetcolour2)
            c.findings.error(t->file, t->line,
                             name + where +
                                 " is not on a target colour: the colour test refuses a click on it");
    }
}

} // namespace

void checkplaces(Context &c, CheckSession &cs, const MapFiles &m) {
    cs.s.settings.shuffleflag = false;
    cs.s.settings.shuffletaken = false;
    {
        CheckSession scratch(c.dataset);
        scratch.s.settings = cs.s.settings;
        scratch.s.vectors.headerline = cs.s.vectors.headerline;
        scratch.s.vectors.itemcount = cs.s.vectors.itemcount;
        if (!checkfields(c, scratch, m) || !checkregions(c, cs, m)) return;
    }
    MapForm f(cs);
    gfx::Surface map;
    try {
        content::mapsetup(cs.s, f.form);
        map = drawnmap(f.form);
        content::loadplacelist(cs.s, f.form);
    } catch (const SessionEnded &) {
        c.findings.error(m.map.shown, 0, "the places cannot be loaded: " + cs.box.reason());
        return;
    } catch (const basic::RuntimeError &e) {
        c.findings.error(m.map.shown, 0,
                         "the places cannot be loaded: " + e.description() + " (error " +
                             std::to_string(e.number()) + ")");
        return;
    }
    checkpositions(c, cs, m, map);
}

} // namespace kartino::check
