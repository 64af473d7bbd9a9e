#pragma once
// A read-only file system in memory: files by the path on this machine that they stand for. A
// path resolver given one sees these files and the folders above them instead of the disk; a
// file table over such a resolver reads them at Open for Input and writes to no file. A reader of
// data files then runs from bytes without touching the disk (the fuzz targets do).
#include <map>
#include <string>
#include <vector>

namespace kartino::basic {

class MemoryFiles {
  public:
    // Holds `bytes` as the file `path` ("/data/prb"); a file held before under it is replaced.
    void put(const std::string &path, std::string bytes) { files_[path] = std::move(bytes); }
    void clear() { files_.clear(); }

    // The bytes of the file at exactly `path`, or null.
    const std::string *file(const std::string &path) const;
    // Whether `path` (with or without a final "/") is a folder above a held file; "/" and "" are.
    bool folder(const std::string &path) const;
    // The names of the files and folders right inside folder `dir`.
    std::vector<std::string> entries(const std::string &dir) const;

  private:
    std::map<std::string, std::string> files_;
};

} // namespace kartino::basic
