#pragma once
// The tables the vector file reader fills and the drawing interpreter and the place list read:
// one entry per loaded record, indices 0 to 200.
#include <array>
#include <cstdint>
#include <string>

namespace kartino::vecgraphics {

inline constexpr int kRecordSlots = 201;

struct VectorTables {
    // Command text of each loaded record: its command lines joined, followed by "*,".
    std::array<std::string, kRecordSlots> recordtext;
    // Name of each loaded record (its terminator line after the "*", followed by ","), in ANSI.
    // Written only while keepnames is true.
    std::array<std::string, kRecordSlots> recordname;
    // File positions of the loaded records in load order, three characters each ("###").
    std::string recordlist;
    // Full path of the file the records were loaded from, for reports on malformed records.
    std::string loadedfile;
    // Header of the file last read, in ANSI, without the count in columns 1 to 3.
    std::string headerline;
    // Index of the last loaded record; callers store the reader's result here.
    std::int16_t itemcount = 0;
    // Boolean (-1/0) set by the caller: keep the records' names.
    std::int16_t keepnames = 0;
};

// The exercise settings the reader consults for thinning out a range.
struct ThinningSettings {
    std::int16_t shuffleflag = 0; // Boolean: thin a range longer than taskcount
    std::int16_t taskcount = 0;   // tasks in one run: the number of records wanted
};

} // namespace kartino::vecgraphics
