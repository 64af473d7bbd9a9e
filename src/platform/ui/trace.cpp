#include "platform/ui/trace.hpp"

#include "platform/text/codepage.hpp"

#include <utility>

namespace kartino::ui {

Trace::Trace(const std::string &path) {
    if (!path.empty()) file_ = std::fopen(path.c_str(), "a");
}

Trace::~Trace() {
    if (file_) std::fclose(file_);
}

Trace::Trace(Trace &&other) noexcept : file_(std::exchange(other.file_, nullptr)) {}

Trace &Trace::operator=(Trace &&other) noexcept {
    if (this != &other) {
        if (file_) std::fclose(file_);
        file_ = std::exchange(other.file_, nullptr);
    }
    return *this;
}

void Trace::line(std::string_view text) {
    if (!file_) return;
    std::fwrite(text.data(), 1, text.size(), file_);
    std::fputc('\n', file_);
    std::fflush(file_);
}

std::string msgboxTraceLine(const std::string &title, const std::vector<std::string> &lines) {
    std::string text = "msgbox " + text::ansiToUtf8(title);
    for (const std::string &l : lines)
        text += "|" + text::ansiToUtf8(l);
    return text;
}

} // namespace kartino::ui
