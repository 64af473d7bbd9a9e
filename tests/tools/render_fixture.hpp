#pragma once
// Small vector files for the render tool's tests, written into a temporary folder beside a copy
// of the sample palette. Their header maps working colour 0 to white and colours 1 to 15 to
// the usual sixteen, 15 being black.
#include "support/temp_dir.hpp"

#include <string>
#include <vector>

namespace kartino::testkit {

// The palette switches of the test headers: white background, colour 1 blue (0,0,170), 2 green,
// 4 red (170,0,0), 15 black.
inline const std::string kColourSwitches = "/c,63,1,2,3,4,5,20,7,56,57,58,59,60,61,62,0";

// A vector file of `lines` (header first), each ended by CR LF.
inline std::string vecfile(const std::vector<std::string> &lines) {
    std::string bytes;
    for (const std::string &l : lines)
        bytes += l + "\r\n";
    return bytes;
}

struct RenderFolder {
    TempDir dir;
    RenderFolder() { dir.write("stdvga64", readFile(std::string(KARTINO_RENDER_EXAMPLES) + "/stdvga64")); }
    // Writes the file and returns its path.
    std::string write(const std::string &name, const std::vector<std::string> &lines) const {
        dir.write(name, vecfile(lines));
        return dir.file(name);
    }
};

// The file with a malformed record: record 2 has the slot 150 on line 7; records 0, 1 and 3 each
// set one point 20 units right of, left of and below the map centre (544/480, 410 and 512, 442 at
// 1024x768).
inline const std::vector<std::string> kMalformedFile = {"4  <0> " + kColourSwitches,
                                                        "C1,B20,0,0,0,",
                                                        "*rechts",
                                                        "C2,B20,180,0,0,",
                                                        "*links",
                                                        "C4,B20,90,",
                                                        "G150,",
                                                        "*kaputt",
                                                        "C4,B20,270,0,0,",
                                                        "*unten"};

} // namespace kartino::testkit
