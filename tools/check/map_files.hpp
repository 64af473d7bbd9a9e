#pragma once
// The files of one map as a block names them, found and split into lines, shared by the map's
// drawing checks and its place checks.
#include "check_session.hpp"
#include "checks.hpp"
#include "dataset.hpp"
#include "source_lines.hpp"
#include "text_lines.hpp"

#include <optional>

namespace kartino::check {

struct MapFiles {
    Located map;
    TextLines maplines;
    render::SourceLines maprecords; // where each record of the map stands
    std::optional<Located> list;
    std::optional<TextLines> listlines;
    BlockRef from;
};

// The places of the map on its drawn form: nine fields each, the list file long enough, the region
// texts within their table, each position inside the map, and under the colour test the target
// colour at each position. `cs` holds the block's settings and the map's header, read.
void checkplaces(Context &c, CheckSession &cs, const MapFiles &files);

} // namespace kartino::check
