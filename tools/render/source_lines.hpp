#pragma once
// Where the records of a vector file stand in the file, so that a place in a record's command
// text can be shown as a line of the file. The file is split the way the reader reads it: lines
// end at CR LF, CR or a lone LF, and a Ctrl-Z ends the file. Line 1 is the header; when its text
// from column 4 on ends with ";", the next nine lines belong to the header too. Then each record
// is its command lines, joined without separator, up to a line beginning with "*".
#include <cstdint>
#include <string_view>
#include <vector>

namespace kartino::render {

// The file's lines as the reader's Line Input sees them, without their ends.
std::vector<std::string_view> splitlines(std::string_view bytes);

class SourceLines {
  public:
    explicit SourceLines(std::string_view bytes);

    // The line number (1-based) of the character at `textpos` (1-based) in the command text of
    // the record at file position `position`. A place past the record's command lines (the "*,"
    // that ends every loaded record) is the record's terminator line, or its last command line
    // when the file ends without one. 0 when the file holds no line for it.
    int lineof(int position, std::int32_t textpos) const;

    int headerlines() const { return headerlines_; }
    int records() const { return static_cast<int>(records_.size()); }

  private:
    struct Piece {
        int line = 0;
        std::size_t start = 0; // 0-based offset of the line's text in the record text
        std::size_t length = 0;
    };
    struct Record {
        std::vector<Piece> pieces;
        int terminator = 0; // line of the "*" line; 0 when the file ends first
    };

    int headerlines_ = 0;
    std::vector<Record> records_;
};

} // namespace kartino::render
