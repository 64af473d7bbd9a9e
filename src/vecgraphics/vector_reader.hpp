#pragma once
// Reading vector files (".VEC"): a header line, then records of command lines, each record
// ended by a line beginning with "*" that carries the record's name. The whole file, a range
// of records or an evenly spread random selection of a range is loaded into the vector tables.
#include "common/services.hpp"
#include "vecgraphics/vector_tables.hpp"

#include <cstdint>
#include <string>

namespace kartino::vecgraphics {

// The header text of a vector or list file whose first line is `line1`: from column 4 on; a
// final ";" is dropped and exactly the next nine lines of file `number` are appended.
std::string readheadertext(basic::FileTable &files, int number, const std::string &line1);

// Loads the records at file positions `first` to `last` (-1: up to the count that begins the
// header line) from `filename` as file 1, and returns the index of the last table entry filled.
// When thinning applies (shuffleflag set and taskcount below the span of the range), taskcount
// records spread over the range are taken instead. One random number is drawn per loaded record
// in any case, and one more for the start of a thinned selection.
// Any run-time error (missing file, end of file inside the header or while skipping, more than
// 201 records, a task count of 0 when thinning) is reported as "vec:fngrafin" and ends the
// session; nothing is returned then.
std::int16_t fngrafin(common::Services &services, common::Shared &shared, VectorTables &vectors,
                      const ThinningSettings &settings, const std::string &filename, std::int16_t first,
                      std::int16_t last);

} // namespace kartino::vecgraphics
