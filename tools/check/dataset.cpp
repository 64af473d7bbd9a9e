#include "dataset.hpp"

#include "host_lib.hpp"
#include "host_options.hpp"

namespace kartino::check {

namespace fs = std::filesystem;

Dataset::Dataset(fs::path folder, std::string language)
    : folder_(fs::absolute(folder).lexically_normal()),
      paths_([this](char letter) -> std::optional<std::string> {
          if ((letter | 0x20) != (host::hostDrive | 0x20)) return std::nullopt;
          return folder_.string();
      }),
      settingspaths_(host::defaultFolders(host::hostDrive, language).paths) {}

std::string Dataset::shown(const std::string &path) const {
    std::string resolved = paths_.resolve(path);
    fs::path relative = fs::path(resolved).lexically_relative(folder_);
    if (relative.empty() || relative.native().starts_with("..")) return resolved;
    return relative.generic_string();
}

std::optional<Located> Dataset::locate(const std::string &legacy) const {
    if (!paths_.isFile(legacy)) return std::nullopt;
    Located l;
    l.path = paths_.resolve(legacy);
    l.shown = shown(legacy);
    const std::size_t cut = legacy.find_last_of("\\/:");
    const std::string named = cut == std::string::npos ? legacy : legacy.substr(cut + 1);
    l.casediffers = fs::path(l.path).filename().string() != named;
    return l;
}

} // namespace kartino::check
