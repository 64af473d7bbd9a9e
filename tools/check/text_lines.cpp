#include "text_lines.hpp"

#include "source_lines.hpp"

#include "platform/basic/numbered_files.hpp"
#include "platform/basic/read_all.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>

namespace kartino::check {

std::string filebytes(const std::string &path) {
    std::string bytes;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return bytes;
    // As much as the readers take: a larger file is reported by them.
    if (basic::readAll(fd, bytes, basic::kMaxInputFileBytes) != basic::ReadAll::Whole) bytes.clear();
    ::close(fd);
    return bytes;
}

TextLines::TextLines(std::string bytes) : bytes_(std::move(bytes)) {
    for (std::string_view line : render::splitlines(bytes_)) {
        starts_.push_back(static_cast<std::size_t>(line.data() - bytes_.data()));
        ends_.push_back(starts_.back() + line.size());
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
