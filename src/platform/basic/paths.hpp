#pragma once
// Turns the Windows-style paths of the host's settings and exercise files into paths of this
// machine: "\" and "/" both separate, a drive letter maps to the folder the drive lookup gives
// for it, and a name not found as written is matched component by
// component without regard to letter case (also when the data names it in the ANSI code page
// and the file system holds it in UTF-8). Every file the program opens or creates goes
// through here. Given files held in memory, it sees those instead of the disk.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kartino::basic {

class MemoryFiles;

class PathResolver {
  public:
    using DriveLookup = std::function<std::optional<std::string>(char letter)>;

    // Without a lookup (or where it gives nothing) a drive letter stands for the root of this
    // machine. The program's lookup comes from the backend settings (KARTINO_DRIVE_<LETTER>).
    PathResolver();
    explicit PathResolver(DriveLookup lookup);
    // Sees only the files of `memory` (which must outlive the resolver), never the disk.
    PathResolver(DriveLookup lookup, const MemoryFiles &memory);

    // The path on this machine: the existing file or folder it names if there is one, else the
    // path that creating it would use (the existing folders matched, the rest as written).
    std::string resolve(std::string_view legacyPath) const;
    bool exists(std::string_view legacyPath) const;
    bool isDirectory(std::string_view legacyPath) const;
    bool isFile(std::string_view legacyPath) const;

    // The files in memory this resolver sees, or null when it sees the disk.
    const MemoryFiles *memory() const { return memory_; }

  private:
    std::string mapDrive(std::string_view path) const;
    bool existsAt(const std::string &path) const;
    std::optional<std::string> findEntry(const std::string &dir, const std::string &component) const;

    DriveLookup lookup_;
    const MemoryFiles *memory_ = nullptr;
};

} // namespace kartino::basic
