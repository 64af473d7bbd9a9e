#pragma once
// The lines of a data file as the readers see them (ends at CR LF, CR or a lone LF, a Ctrl-Z
// ends the file), to turn the byte offsets the readers report into the line numbers an author
// sees in an editor.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kartino::check {

// The bytes of a file of this machine; empty when it cannot be read or passes what the readers take.
std::string filebytes(const std::string &path);

class TextLines {
  public:
    explicit TextLines(std::string bytes);

    // The 1-based line that holds byte `offset`; an offset at or past the end is the last line.
    int lineat(std::size_t offset) const;
    int count() const { return static_cast<int>(starts_.size()); }
    // The text of line `line` (1-based), without its end; empty past the last line.
    std::string_view text(int line) const;
    const std::string &bytes() const { return bytes_; }

  private:
    std::string bytes_;
    std::vector<std::size_t> starts_, ends_;
};

} // namespace kartino::check
