// The host's side of starting Kartino: the fixed-column command line and the settings file "CVOR".
#pragma once

#include <array>
#include <string>

namespace kartino::host {

// Fields of the command line. The numeric fields are written right-aligned in their columns.
struct CommandLineFields {
    std::string exercise;   // columns 1-5: name of the exercise definition file, exactly 5 characters
    int field6 = 0;         // columns 6-7: read by the program, not used
    int block = 1;          // columns 8-9: block of the exercise definition file
    int options = 0;        // columns 10-11
    int tasks = 10;         // columns 12-14: tasks in one run
    int field15 = 0;        // columns 15-16: read by the program, not used
    std::string hostfolder; // column 17 on: folder of "CVOR", with trailing backslash
};

// Builds the command line; throws std::invalid_argument when a field does not fit its columns.
std::string buildCommandLine(const CommandLineFields &fields);

// Values of the first three settings lines.
struct HostSettings {
    int areawidth = -1; // -1: the whole screen
    int areaheight = -1;
    int hostflags = 0;
    int hostoptions = 0;
    int protocolflags = 0;
    int featuremask = 0;
    long seed = 1;
    int abortmodifier = 8; // Alt
    int abortscancode = 1; // Esc
};

// The sixteen folder lines of "CVOR" and the suite folder of its last line.
struct SettingsFolders {
    std::array<std::string, 16> paths;
    std::string suitefolder;
};

// Folder names of a data set laid out below one drive root (relative, with "\" separators).
inline constexpr const char *dataFolder = "DATEN";
inline constexpr const char *exerciseRoot = "UEB";
inline constexpr const char *mapFolder = "KARTEN";
inline constexpr const char *resultFolder = "ERGEBNIS";

// The folders of a data set on drive `drive`: 0 data, 1 exercise root, 5 maps, 9 results,
// 15 the language folder name (also the charset key); the other entries name the drive root.
SettingsFolders defaultFolders(char drive, const std::string &language);

// The complete bytes of "CVOR": twenty lines, each ended by CR LF.
std::string cvorText(const HostSettings &settings, const SettingsFolders &folders);

// Reads "WxH" (for example "800x600" or "-1x-1"); false when the text is not of that form.
bool parseArea(const std::string &text, int &width, int &height);

// Reads a whole decimal number within [low, high]; false when the text is not one.
bool parseNumber(const std::string &text, long low, long high, long &value);

} // namespace kartino::host
