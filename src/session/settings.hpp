#pragma once
// What the host and the exercise data set up for a session: the command-line columns, the
// settings file "CVOR", the exercise definition block, the map header and the flags derived
// from them.
#include "platform/basic/variant.hpp"

#include <array>
#include <cstdint>
#include <string>

namespace kartino::session {

struct Settings {
    // Command line (fixed columns).
    std::string exercisefile;         // columns 1-5
    std::int16_t cmdfield6 = 0;       // columns 6-7
    std::int16_t blocknumber = 0;     // columns 8-9
    std::int16_t cmdoptions = 0;      // columns 10-11, then the Boolean of its bit 1
    std::int16_t taskcount = 0;       // columns 12-14
    std::int16_t cmdfield15 = 0;      // columns 15-16
    std::string hostfolder;           // column 17 on

    // Settings file.
    basic::Variant areawidthsetting, areaheightsetting;
    std::int16_t hostflags = 0;
    std::int16_t hostoptions = 0;
    std::int16_t protocolflags = 0;
    std::int16_t featuremask = 0;
    double randomseed = 0;
    std::string suitefolder;
    std::string langfolder;

    // Exercise definition file.
    std::array<std::string, 41> exercisetexts{};
    std::int16_t exercisetextlast = 0;
    std::int16_t exerciseflags = 0, demoflags = 0, exerciseflags3 = 0, helpoptions = 0;
    std::int16_t questiontextindex = 0;
    double timelimit = 0;
    basic::Variant exerciseparam = std::int16_t{30};
    basic::Variant exerciseparam2;
    std::string mapfile, listname, listfile;
    std::int16_t listfrom = 0, listto = 0;

    // Variants of the map.
    std::array<std::string, 31> variantnames{}; // 1..30
    std::int16_t variantcount = 0;
    std::string variantinitials;
    std::int16_t variantshown = 0;
    bool hasvariants = false;

    // Flags derived from exerciseflags and the others.
    bool flagbit0 = false, flagbit1 = false, flagbit4 = false, colourhitmode = false, flagbit6 = false;
    bool flagbit8 = false, shuffleflag = false, flagbit10 = false, flagbit11 = false, flagbit12 = false;
    bool flagbit13 = false, demoonly = false, shuffletaken = false;
    std::int16_t helpcount = 0;
    std::int16_t halftasks = 0;
    double starttime = 0;
    bool helpallowed = false;
    bool timelimitoffer = false;
    std::string demotextleft, demotextright;
    bool palettedevice = false;

    // Exercise parameters from the map header.
    std::int16_t mapscale = 0;
    float scalebarkm = 0;
    std::int16_t scalebarx = 0, scalebary = 0;
    basic::Variant mapzoom = std::int16_t{4};
    bool mswitch = false;
    std::int16_t limit9 = 30;
    bool switchk = false, switchx = false, switchu = false, switch2 = false;
    std::int16_t minusvalue = 0, equalvalue = 0;
    std::array<std::int16_t, 6> mapcolors{0, 2, 7, 4, 10, 3}; // 1..5
    std::int16_t presentsize = 52;

    // Sound files.
    std::string warnsound, fanfaresound, bangsound;

    // Start screen.
    bool offeractive = false;   // the offer question is to be asked
    bool offeraccepted = false; // the trainee answered yes
    double demostart = 0;       // Timer when the demonstration started
};

} // namespace kartino::session
