// A map file as the exercise reads and draws it: the header with its parameter block, the record
// count against the header's and the reader's limits, the palette its colour switches compose,
// every record drawn without a malformed token, and no fill that leaks: one that runs out of the
// outline its record drew and reaches the edge of the design area or floods over 40% of it.
#include "leak_watch.hpp"
#include "map_files.hpp"

#include "common/design_screen.hpp"
#include "common/errors.hpp"
#include "common/fields.hpp"
#include "common/palette.hpp"
#include "common/palette_composer.hpp"
#include "content/map_setup.hpp"
#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"
#include "session/exercise_header.hpp"
#include "vecgraphics/vecdraw.hpp"

namespace kartino::check {

namespace {

// A fill that changes more than this share of the screen has run out of its outline.
constexpr double kLeakShare = 0.4;

std::optional<Located> named(Context &c, const std::string &name, const std::string &base,
                             const BlockRef &from, const char *what) {
    const std::string legacy = common::fnfullpath(name, base);
    auto file = c.dataset.locate(legacy);
    const std::string prefix = "block " + std::to_string(from.block) + ": the " + what + " \"" + name + "\"";
    if (!file)
        c.findings.error(from.file, from.line, prefix + " is missing (" + c.dataset.shown(legacy) + ")");
    else if (file->casediffers)
        c.findings.warning(from.file, from.line,
                           prefix + " is spelt " + file->shown + " on disk (letter case differs)");
    return file;
}

bool readheader(Context &c, CheckSession &cs, const MapFiles &m) {
    // The count in columns 1 to 3 of the header: the records the reader loads.
    const double count = basic::Val(m.maplines.text(1).substr(0, 3));
    if (count > vecgraphics::kRecordSlots) {
        c.findings.error(m.map.shown, 1,
                         "the header's count " + common::trim(basic::Str(count)) +
                             " passes the reader's limit of " + std::to_string(vecgraphics::kRecordSlots) +
                             " records");
        return false;
    }
    try {
        session::readexerciseheader(cs.s);
    } catch (const SessionEnded &) {
        c.findings.error(m.map.shown, 0, "the map file cannot be read: " + cs.box.reason());
        return false;
    } catch (const basic::RuntimeError &e) {
        c.findings.error(m.map.shown, 1,
                         e.number() == basic::errInvalidCall
                             ? std::string("the header has no parameter block between \"<\" and \">\"")
                             : "the header cannot be read: " + e.description());
        return false;
    }
    const int loaded = cs.s.vectors.itemcount + 1;
    if (loaded != m.maprecords.records())
        c.findings.warning(m.map.shown, 1,
                           "the header's count loads " + std::to_string(loaded) +
                               " records; the file holds " + std::to_string(m.maprecords.records()) +
                               (loaded > m.maprecords.records() ? " (the records beyond are empty)" : ""));
    return true;
}

bool readpalette(Context &c, CheckSession &cs, const MapFiles &m) {
    try {
        common::readpal64(cs.services, cs.s.shared);
    } catch (const SessionEnded &) {
        c.findings.error(c.dataset.shown(cs.s.shared.settingspaths[common::kDataFolder] + "stdvga64"), 0,
                         "the palette cannot be read: " + cs.box.reason());
        return false;
    }
    try {
        common::composepalette(cs.s.shared, cs.s.vectors.headerline);
    } catch (const basic::RuntimeError &e) {
        c.findings.error(m.map.shown, 1,
                         "the colour switches of the header cannot be used: " + e.description());
        return false;
    }
    return true;
}

// Every record drawn in order from the map centre, as the map set-up draws them, at 640 x 480.
void drawrecords(Context &c, CheckSession &cs, const MapFiles &m) {
    session::Session &s = cs.s;
    gfx::Surface pixels(common::maxdesignx + 1, common::maxdesigny + 1, common::palcolor(s.shared, 0));
    LeakWatch surface(pixels);
    vecgraphics::VecCall call;
    try {
        call.x = basic::CInt(common::screenx(s.shared.screen, content::kMapCentreX - s.settings.minusvalue));
        call.y = basic::CInt(common::screeny(s.shared.screen, content::framecentrey(s.settings.mapscale) -
                                                                  s.settings.equalvalue));
    } catch (const basic::RuntimeError &) {
        c.findings.error(m.map.shown, 1,
                         "the map centre shifted by /- and /= lies outside the drawing range");
        return;
    }
    call.colour = 15;
    call.scalex = common::scalex(s.shared.screen, s.settings.mapzoom.toDouble());
    call.scaley = common::scaley(s.shared.screen, s.settings.mapzoom.toDouble());
    call.baseangle = 0;
    call.fillflag = -1;
    for (int i = 0; i <= s.vectors.itemcount; ++i) {
        call.record = static_cast<std::int16_t>(i);
        surface.begin(i);
        const auto fault = vecgraphics::drawrecord(s.drawing, s.vectors, s.shared, cs.rnd, surface, call);
        if (!fault) continue;
        const int position = fault->reportedrecord();
        c.findings.error(m.map.shown, m.maprecords.lineof(position, fault->tokenpos),
                         "record " + std::to_string(position) + ", token '" +
                             vecgraphics::showntoken(fault->token) + "' at position " +
                             std::to_string(fault->tokenpos) + ": " + fault->description);
    }
    const long screen = static_cast<long>(pixels.width()) * pixels.height();
    for (const FillMeasure &f : surface.fills) {
        const int share =
            static_cast<int>(100.0 * static_cast<double>(f.changed) / static_cast<double>(screen));
        const bool large = static_cast<double>(f.changed) > kLeakShare * static_cast<double>(screen);
        if (!f.outside || (!f.edge && !large)) continue;
        c.findings.warning(m.map.shown, m.maprecords.lineof(f.record, 1),
                           "record " + std::to_string(f.record) + ": the fill at (" + std::to_string(f.x) +
                               ", " + std::to_string(f.y) + ") leaks: it " +
                               (f.edge ? "reaches the edge of the design area" : "floods the screen") + " (" +
                               std::to_string(share) + "% of the screen)");
    }
}

} // namespace

void checkmap(Context &c, const session::Settings &settings, const BlockRef &from) {
    const std::string where = "block " + std::to_string(from.block) + ": ";
    if (common::trim(settings.mapfile).empty()) {
        c.findings.error(from.file, from.line,
                         where + "no map file: going on from the start screen reads its header");
        return;
    }
    CheckSession cs(c.dataset);
    cs.s.settings = settings;
    const auto map =
        named(c, settings.mapfile, cs.s.shared.settingspaths[common::kMapFolder], from, "map file");
    std::optional<Located> list;
    if (!common::trim(settings.listfile).empty()) {
        list = named(c, settings.listfile, settings.langfolder, from, "list file");
        if (!list) return;
    }
    if (!map) return;
    const std::string bytes = filebytes(map->path);
    MapFiles m{*map, TextLines(bytes), render::SourceLines(bytes), list, std::nullopt, from};
    if (list) m.listlines.emplace(filebytes(list->path));
    if (!readheader(c, cs, m) || !readpalette(c, cs, m)) return;
    drawrecords(c, cs, m);
    checkplaces(c, cs, m);
}

} // namespace kartino::check
