#include "platform/basic/memory_files.hpp"

#include <algorithm>

namespace kartino::basic {

namespace {

// `dir` with one final "/" ("" stays "", the folder of relative paths).
std::string asFolder(const std::string &dir) {
    if (dir.empty() || dir.back() == '/') return dir;
    return dir + "/";
}

} // namespace

const std::string *MemoryFiles::file(const std::string &path) const {
    auto it = files_.find(path);
    return it == files_.end() ? nullptr : &it->second;
}

bool MemoryFiles::folder(const std::string &path) const {
    if (path.empty() || path == "/") return true;
    const std::string prefix = asFolder(path);
    auto it = files_.lower_bound(prefix);
    return it != files_.end() && it->first.starts_with(prefix);
}

std::vector<std::string> MemoryFiles::entries(const std::string &dir) const {
    const std::string prefix = asFolder(dir);
    std::vector<std::string> names;
    for (auto it = files_.lower_bound(prefix); it != files_.end() && it->first.starts_with(prefix); ++it) {
        std::string name =
            it->first.substr(prefix.size(), it->first.find('/', prefix.size()) - prefix.size());
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    return names;
}

} // namespace kartino::basic
