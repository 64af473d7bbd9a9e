#include "render_lib.hpp"

#include "source_lines.hpp"

#include "common/design_screen.hpp"
#include "common/palette.hpp"
#include "common/palette_composer.hpp"
#include "content/map_setup.hpp"
#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"
#include "platform/gfx/png.hpp"
#include "session/exercise_header.hpp"
#include "session/session.hpp"
#include "vecgraphics/vecdraw.hpp"
#include "vecgraphics/vector_reader.hpp"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <new>
#include <optional>
#include <sstream>

namespace kartino::render {

namespace {

namespace fs = std::filesystem;

// The readers end the session after their report; here that ends the picture.
struct SessionEnded {};

// Keeps the last report a reader made instead of showing it.
class ReportBox : public ui::MessageBox {
  public:
    void show(const std::string &, const std::vector<std::string> &lines) override { last = lines; }
    // "DESCRIPTION (error N)" from the lines source, location, number, description, ….
    std::string reason() const {
        if (last.size() < 4) return "cannot be read";
        return last[3] + " (error " + last[2] + ")";
    }
    std::vector<std::string> last;
};

// Everything the readers and the interpreter need, without a window and without an error log.
struct Tool {
    basic::PathResolver paths{[](char) { return std::optional<std::string>(); }};
    basic::FileTable files{paths};
    basic::FakeClock clock;
    basic::Random rnd; // never reseeded: the dot sprays come out the same every time
    ReportBox box;
    common::Services services{paths, files, clock, rnd, box, {}, {}, [] { throw SessionEnded{}; }};
    session::Session s{services};

    // No folder can exist below /dev/null: the readers' error log is never written.
    Tool() { s.shared.settingspaths[common::kResultFolder] = "/dev/null/"; }
};

std::string readbytes(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string folderof(const std::string &file) {
    const std::string folder = fs::path(file).parent_path().string();
    return folder.empty() ? std::string() : folder + "/";
}

void readvectorfile(Tool &t, const Options &o) {
    const std::string resolved = t.paths.resolve(o.input);
    std::error_code ec;
    if (!fs::exists(resolved, ec)) throw InputError(o.input + ": no such file");
    if (!fs::is_regular_file(resolved, ec)) throw InputError(o.input + ": not a file");
    try {
        const vecgraphics::ThinningSettings nothinning{0, 0};
        t.s.vectors.keepnames = 0;
        t.s.vectors.itemcount =
            vecgraphics::fngrafin(t.services, t.s.shared, t.s.vectors, nothinning, o.input, 0, -1);
    } catch (const SessionEnded &) {
        throw InputError(o.input + ": the vector file cannot be read: " + t.box.reason());
    }
}

void readheader(Tool &t, const Options &o) {
    try {
        session::parseexerciseheader(t.s, t.s.vectors.headerline);
    } catch (const basic::RuntimeError &e) {
        if (e.number() == basic::errInvalidCall)
            throw InputError(o.input + ":1: the header has no parameter block between \"<\" and \">\"");
        throw InputError(o.input + ":1: the header cannot be read: " + e.description());
    }
}

void readpalette(Tool &t, const Options &o, Rendering &r) {
    std::string file = o.palette;
    try {
        if (file.empty()) {
            t.s.shared.settingspaths[common::kDataFolder] = folderof(o.input);
            file = t.s.shared.settingspaths[common::kDataFolder] + "stdvga64";
            common::readpal64(t.services, t.s.shared);
        } else {
            common::readpalettefile(t.services, t.s.shared, file);
        }
    } catch (const SessionEnded &) {
        std::string hint = o.palette.empty() ? " (--palette names another palette file)" : "";
        throw InputError(file + ": the palette cannot be read: " + t.box.reason() + hint);
    }
    const std::string &header = t.s.vectors.headerline;
    try {
        common::composepalette(t.s.shared, header);
    } catch (const basic::RuntimeError &e) {
        throw InputError(o.input +
                         ":1: the colour switches of the header cannot be used: " + e.description());
    }
    if (header.substr(0, header.find(',')).find("/c") == std::string::npos)
        r.notes.push_back(o.input + ":1: the header has no colour switch /c, so every colour is black");
}

std::string faultreport(const Options &o, const SourceLines &lines,
                        const vecgraphics::MalformedRecord &fault) {
    const int position = fault.reportedrecord();
    const int line = lines.lineof(position, fault.tokenpos);
    std::ostringstream text;
    text << o.input << ":";
    if (line > 0) text << line << ":";
    text << " record " << position << ", token '" << vecgraphics::showntoken(fault.token) << "' at position "
         << fault.tokenpos << ": " << fault.description << " (error " << fault.number << ")";
    return text.str();
}

void drawrecords(Tool &t, const Options &o, Rendering &r) {
    common::ScreenMetrics &screen = t.s.shared.screen;
    screen.areawidth = screen.screenwidth = static_cast<float>(o.width);
    screen.areaheight = screen.screenheight = static_cast<float>(o.height);
    r.picture = gfx::Surface(o.width, o.height, common::palcolor(t.s.shared, 0));

    const session::Settings &st = t.s.settings;
    const double zoom = o.zoom ? *o.zoom : st.mapzoom.toDouble();
    const DesignPoint centre = mapcentre(st.mapscale, st.minusvalue, st.equalvalue);
    vecgraphics::VecCall call;
    try {
        call.x = basic::CInt(common::screenx(screen, centre.x));
        call.y = basic::CInt(common::screeny(screen, centre.y));
    } catch (const basic::RuntimeError &) {
        throw InputError(o.input + ":1: the map centre shifted by /- and /= lies outside the drawing range");
    }
    call.colour = 15;
    call.scalex = common::scalex(screen, zoom);
    call.baseangle = 0;
    call.fillflag = -1;
    call.scaley = common::scaley(screen, zoom);

    const int last = t.s.vectors.itemcount;
    if (o.record && *o.record > last)
        throw InputError(o.input + ": there is no record " + std::to_string(*o.record) +
                         (last < 0 ? std::string(" (the file has none)")
                                   : " (records 0 to " + std::to_string(last) + ")"));
    if (last < 0) r.notes.push_back(o.input + ":1: the record count of the header leaves nothing to draw");

    std::optional<SourceLines> lines; // read again only to name the line of a fault
    vecgraphics::PixelSurface surface(r.picture);
    for (int i = o.record.value_or(0); i <= (o.record ? *o.record : last); ++i) {
        call.record = static_cast<std::int16_t>(i);
        if (auto fault =
                vecgraphics::drawrecord(t.s.drawing, t.s.vectors, t.s.shared, t.rnd, surface, call)) {
            if (!lines) lines.emplace(readbytes(t.paths.resolve(o.input)));
            r.faults.push_back(faultreport(o, *lines, *fault));
        }
    }
}

} // namespace

DesignPoint mapcentre(std::int16_t mapscale, std::int16_t minusvalue, std::int16_t equalvalue) {
    DesignPoint c{static_cast<double>(content::kMapCentreX),
                  static_cast<double>(content::framecentrey(mapscale))};
    c.x -= minusvalue;
    c.y -= equalvalue;
    return c;
}

struct LoadedMap {
    Tool tool;
    Rendering rendering; // the notes of loading; the picture and faults come with drawing
};

LoadedMapPtr load(const Options &options) {
    LoadedMapPtr map(new LoadedMap);
    readvectorfile(map->tool, options);
    readheader(map->tool, options);
    readpalette(map->tool, options, map->rendering);
    return map;
}

Rendering draw(LoadedMap &map, const Options &options) {
    Rendering r;
    r.notes = map.rendering.notes;
    drawrecords(map.tool, options, r);
    return r;
}

void LoadedMapDeleter::operator()(LoadedMap *map) const {
    delete map;
}

Rendering render(const Options &options) {
    return draw(*load(options), options);
}

int run(const std::vector<std::string> &args, std::ostream &out, std::ostream &err) {
    std::optional<Options> options;
    try {
        options = parsearguments(args);
    } catch (const UsageError &e) {
        err << "kartino-render: " << e.what() << "\n\n" << usageText;
        return 1;
    }
    if (!options) {
        out << usageText;
        return 0;
    }
    try {
        Rendering r = render(*options);
        for (const std::string &note : r.notes)
            err << "kartino-render: " << note << "\n";
        for (const std::string &fault : r.faults)
            err << fault << "\n";
        gfx::writePng(options->output, r.picture);
        return r.faults.empty() ? 0 : 1;
    } catch (const InputError &e) {
        err << "kartino-render: " << e.what() << "\n";
    } catch (const gfx::ImageError &e) {
        err << "kartino-render: " << options->output << ": the picture cannot be written: " << e.what()
            << "\n";
    } catch (const std::bad_alloc &) {
        err << "kartino-render: not enough memory for a " << options->width << "x" << options->height
            << " picture\n";
    }
    return 1;
}

} // namespace kartino::render
