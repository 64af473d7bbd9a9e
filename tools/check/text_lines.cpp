#include "text_lines.hpp"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace kartino::check {

std::string filebytes(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TextLines::TextLines(std::string bytes) : bytes_(std::move(bytes)) {
    const std::size_t size = std::min(bytes_.size(), bytes_.find('\x1A'));
    std::size_t pos = 0;
    while (pos < size) {
        std::size_t end = pos;
        while (end < size && bytes_[end] != '\r' && bytes_[end] != '\n') ++end;
        starts_.push_back(pos);
        ends_.push_back(end);
        pos = end;
        if (pos < size && bytes_[pos] == '\r') {
            ++pos;
            if (pos < size && bytes_[pos] == '\n') ++pos;
        } else if (pos < size) {
            ++pos; // a lone LF
        }
    }
}

int TextLines::lineat(std::size_t offset) const {
    if (starts_.empty()) return 1;
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), offset);
    return static_cast<int>(std::max<std::ptrdiff_t>(1, after - starts_.begin()));
}

std::string_view TextLines::text(int line) const {
    if (line < 1 || line > count()) return {};
    const auto i = static_cast<std::size_t>(line - 1);
    return std::string_view(bytes_).substr(starts_[i], ends_[i] - starts_[i]);
}

} // namespace kartino::check
