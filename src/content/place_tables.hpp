#pragma once
// The places of a run: each loaded record's position in its file, its fields split into nine
// columns, the region texts of the header, and whether the places came from the map file.
#include <array>
#include <cstdint>
#include <string>

namespace kartino::content {

inline constexpr int kPlaceSlots = 201;
inline constexpr int kPlaceColumns = 9;
inline constexpr int kRegionTexts = 100;

struct PlaceTables {
    // Numeric value of each place's three characters in recordlist: its position in the file.
    std::array<std::int16_t, kPlaceSlots> placenumber{};
    // The comma-separated fields of each place's recordname: [place][column], column 0 first.
    // Column 0 region code, 1 to 3 texts, 4 and 5 signed values, 6 distance and 7 direction
    // from the map centre, 8 highlighting data.
    std::array<std::array<std::string, kPlaceColumns>, kPlaceSlots> placecolumns{};
    std::array<std::string, kRegionTexts + 1> regiontexts{}; // 1..100, by region code
    std::string listheader;                                  // header of a list file read beside the map file
    bool listloaded = false;                                 // the places came from the map file
};

// The run's current task (more of the run state joins it with the exercise flow).
struct RunState {
    std::int16_t taskindex = 0; // list index of the place asked in the current task
};

} // namespace kartino::content
