#pragma once
// Draws a vector file the way the map set-up of the exercise draws its map: the header's palette
// switches over the 64-colour palette file, the map centre by the header's scale code and its
// "/-" and "/=" shifts, every record from that centre with colour 15, the map's zoom, base angle
// 0 and fills on, on a screen whose design area is the whole screen.
//
//   render::Options o;
//   o.input = "examples/render/ALLES.VEC";
//   render::Rendering r = render::render(o);   // r.picture, r.faults
#include "render_options.hpp"

#include "platform/gfx/surface.hpp"

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace kartino::render {

// Input that leaves nothing to draw: a missing or unreadable file, a header the reader or the
// header parser rejects, a palette that cannot be read or composed. The message names the file.
class InputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct DesignPoint {
    double x = 0, y = 0;
};

// The map centre in design units: (320, 240) for a regional map (scale code -2), (320, 246)
// for the world map (-1), (320, 256) for any other, shifted left by `minusvalue` and up by
// `equalvalue`.
DesignPoint mapcentre(std::int16_t mapscale, std::int16_t minusvalue, std::int16_t equalvalue);

struct Rendering {
    gfx::Surface picture;
    std::vector<std::string> faults; // one report per malformed record, "FILE:LINE: record N, …"
    std::vector<std::string> notes;  // hints that do not stop the picture
};

// Throws InputError when nothing can be drawn.
Rendering render(const Options &options);

// The same in two halves, for drawing one map many times: the vector file, its header and the
// palette read once, then the picture drawn from them. Both throw InputError as render does.
struct LoadedMap;
struct LoadedMapDeleter {
    void operator()(LoadedMap *map) const;
};
using LoadedMapPtr = std::unique_ptr<LoadedMap, LoadedMapDeleter>;
LoadedMapPtr load(const Options &options);
Rendering draw(LoadedMap &map, const Options &options);

// The whole tool: reads the arguments, draws, writes the PNG. Reports go to `err`, the usage
// text for --help to `out`. Returns the exit code.
int run(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

} // namespace kartino::render
