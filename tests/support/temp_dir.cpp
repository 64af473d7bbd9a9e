#include "support/temp_dir.hpp"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace kartino::testkit {

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "kartino-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

void TempDir::mkdir(std::string_view relative) const {
    fs::create_directories(file(relative));
}

void TempDir::write(std::string_view relative, std::string_view bytes) const {
    writeFile(file(relative), bytes);
}

void writeFile(const std::string &path, std::string_view bytes) {
    fs::path p = path;
    if (p.has_parent_path()) fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "<missing>";
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool fileExists(const std::string &path) {
    return fs::exists(path);
}

} // namespace kartino::testkit
