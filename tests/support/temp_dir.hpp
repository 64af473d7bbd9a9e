#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes away; plus small helpers to lay out data files byte for byte.
#include <string>
#include <string_view>

namespace kartino::testkit {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &path() const { return path_; }
    std::string file(std::string_view relative) const { return path_ + "/" + std::string(relative); }

    // Writes the bytes exactly as given, creating the folders on the way.
    void write(std::string_view relative, std::string_view bytes) const;
    void mkdir(std::string_view relative) const;

  private:
    std::string path_;
};

// The whole content of a file; "<missing>" when it does not exist.
std::string readFile(const std::string &path);
// Writes `bytes` as the whole file (its folder made first).
void writeFile(const std::string &path, std::string_view bytes);
bool fileExists(const std::string &path);

} // namespace kartino::testkit
