#pragma once
// A data set laid out as the host lays out drive K: the sample's palette, charset, language and
// instruction files (code page 850, CR LF), an exercise definition file and maps written per test,
// the settings file "CVOR" with Windows paths, and the fixed-column command line.
#include "host_lib.hpp"
#include "support/temp_dir.hpp"

#include <optional>
#include <string>
#include <vector>

namespace kartino::testkit {

// One parameter block of the exercise definition file.
struct ExerciseBlock {
    std::string flags = "b0", demoflags = "b0", flags3 = "b0", helpoptions = "b11";
    std::string numbers = "7,0,30,0"; // question text, time limit, parameter, second parameter
    std::string mapfile = "EUROPA.VEC";
    std::string listname = "Europa", listfile = "EUROPA.LST";
    std::string range = "2,6,0";
};

class HostDataSet {
  public:
    HostDataSet(); // the sample data set, with one block and no variants

    TempDir root; // the folder that stands for drive K:
    host::HostSettings settings;
    host::CommandLineFields cmd;
    std::vector<std::string> texts; // exercise texts 0.. in ANSI (written in code page 850)
    std::vector<ExerciseBlock> blocks{ExerciseBlock{}};

    // Writes the exercise definition file and "CVOR" as they stand now.
    void write() const;
    // A map file in the map folder: the sample map under another name, or with another header,
    // and the sample's list file under the map's name.
    void writemap(const std::string &name, const std::string &header = "") const;

    std::string commandline() const;
    std::string exercisefile() const;                      // its bytes as write() lays them out
    std::string resultfile(const std::string &name) const; // a file of the result folder
    std::string drivefolder(char letter) const;
};

} // namespace kartino::testkit
