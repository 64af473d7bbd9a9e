#pragma once
// A data set as kartino-host lays it out: the folder stands for drive K:, and the folders of the
// settings file are the host's (DATEN, UEB\LANGUAGE, KARTEN). Files are found the way the
// program finds them (letter case aside) and named in reports relative to the folder.
#include "platform/basic/paths.hpp"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace kartino::check {

struct Located {
    std::string path;         // the file on this machine
    std::string shown;        // relative to the data set folder, as reports name it
    bool casediffers = false; // the file on disk spells its name in other letter cases
};

class Dataset {
  public:
    Dataset(std::filesystem::path folder, std::string language);
    Dataset(const Dataset &) = delete; // the path layer looks up the folder of this object
    Dataset &operator=(const Dataset &) = delete;

    basic::PathResolver &paths() { return paths_; }
    const std::array<std::string, 16> &settingspaths() const { return settingspaths_; }
    // The exercise folder: settings folder 1, the language, "\".
    std::string langfolder() const { return settingspaths_[1] + settingspaths_[15] + "\\"; }
    const std::string &language() const { return settingspaths_[15]; }

    // The file a legacy path names, or nothing when there is none.
    std::optional<Located> locate(const std::string &legacy) const;
    // How reports name a file of the data set given by a legacy path or a path of this machine.
    std::string shown(const std::string &path) const;
    const std::filesystem::path &folder() const { return folder_; }

  private:
    std::filesystem::path folder_;
    basic::PathResolver paths_;
    std::array<std::string, 16> settingspaths_;
};

} // namespace kartino::check
