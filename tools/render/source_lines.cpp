#include "source_lines.hpp"

#include <string>

namespace kartino::render {

std::vector<std::string_view> splitlines(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\x1A'));
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = bytes.size();
        lines.push_back(bytes.substr(pos, end - pos));
        pos = end;
        if (pos < bytes.size() && bytes[pos] == '\r') {
            ++pos;
            if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
        } else if (pos < bytes.size()) {
            ++pos; // a lone LF
        }
    }
    return lines;
}

namespace {

bool continuedheader(std::string_view line1) {
    return line1.size() > 3 && line1.back() == ';';
}

} // namespace

SourceLines::SourceLines(std::string_view bytes) {
    const std::vector<std::string_view> lines = splitlines(bytes);
    if (lines.empty()) return;
    headerlines_ = continuedheader(lines[0]) ? 10 : 1;
    if (static_cast<std::size_t>(headerlines_) > lines.size()) headerlines_ = static_cast<int>(lines.size());
    Record current;
    std::size_t length = 0;
    for (std::size_t i = static_cast<std::size_t>(headerlines_); i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (!lines[i].empty() && lines[i].front() == '*') {
            current.terminator = number;
            records_.push_back(std::move(current));
            current = Record();
            length = 0;
            continue;
        }
        current.pieces.push_back({number, length, lines[i].size()});
        length += lines[i].size();
    }
    if (!current.pieces.empty()) records_.push_back(std::move(current));
}

int SourceLines::lineof(int position, std::int32_t textpos) const {
    if (position < 0 || position >= records() || textpos < 1) return 0;
    const Record &r = records_[static_cast<std::size_t>(position)];
    const auto offset = static_cast<std::size_t>(textpos - 1);
    for (const Piece &p : r.pieces)
        if (offset >= p.start && offset < p.start + p.length) return p.line;
    if (r.terminator != 0) return r.terminator;
    return r.pieces.empty() ? 0 : r.pieces.back().line;
}

} // namespace kartino::render
