#pragma once
// What the host and the exercise data set up for a session: the command-line columns, the
// settings file "CVOR", the exercise definition block, the map header and the flags derived
// from them.
#include "platform/basic/variant.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace kartino::session {

struct Settings {
    // Command line (fixed columns).
    std::string exercisefile;     // columns 1-5
    std::int16_t cmdfield6 = 0;   // columns 6-7
    std::int16_t blocknumber = 0; // columns 8-9
    std::int16_t cmdoptions = 0;  // columns 10-11, then the Boolean of its bit 1
    std::int16_t taskcount = 0;   // columns 12-14
    std::int16_t cmdfield15 = 0;  // columns 15-16
    std::string hostfolder;       // column 17 on

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

    // Flags derived from the bits of exerciseflags (flagbitN is bit N).
    bool flagbit0 = false;      // find mode: click the asked place, right or wrong; clear: distance
                                // mode, the error in kilometres
    bool flagbit1 = false;      // the instruction screen states the allowed error in kilometres
    bool flagbit4 = false;      // the place's texts start at the left (design x 160) and the
                                // region text goes on row 2, instead of centred texts
    bool colourhitmode = false; // bit 5 with find mode: a click counts only on a target colour
    bool flagbit6 = false;      // the colour set of the colour test for the map and the names
    bool flagbit8 = false;      // the places are shuffled when a run starts
    bool shuffleflag = false;   // bit 9: the list is thinned out to the task count; exchanged
                                // with shuffletaken while the map is set up
    bool flagbit10 = false;     // the kilometre scale bar is drawn
    bool flagbit11 = false;     // the graticule: world map ticks and labels, regional longitude
                                // labels; it also keeps the optional layers at the map's end
    bool flagbit12 = false;     // keeps the map's optional second-last and last layers under
                                // the header switch "/r"
    bool flagbit13 = false;     // keeps the map's optional last layer under the header switch "/b"
    bool demoonly = false;      // bit 14: the session is the demonstration alone
    bool shuffletaken = false;
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

// Entries of `Settings::exercisetexts` that the program uses; " /" in them stands for a number.
inline constexpr std::size_t kParameterLineText = 6; // instruction line with the exercise parameter
inline constexpr std::size_t kKilometreText = 8;     // distance feedback with the error in km
inline constexpr std::size_t kMeanErrorText = 9;     // FB.DAT in distance mode, before the mean error
inline constexpr std::size_t kSecondTextExtra = 10;  // joined to a place's second text (task, help)
inline constexpr std::size_t kValuePrefixes = 11;    // the four prefixes of the value lines, 11 to 14
inline constexpr std::size_t kDemoTimeText = 15;     // "left / right" of the demonstration's seconds

// The prefixes of the value lines: column 4 negative and other, column 5 negative and other.
inline std::array<std::string, 4> valuePrefixes(const Settings &st) {
    const auto first = st.exercisetexts.begin() + kValuePrefixes;
    return {first[0], first[1], first[2], first[3]};
}

} // namespace kartino::session
