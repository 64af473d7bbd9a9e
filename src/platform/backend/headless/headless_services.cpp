#include "platform/backend/headless/headless_services.hpp"
#include "platform/text/codepage.hpp"

namespace kartino::backend {

void TraceMessageBox::show(const std::string &title, const std::vector<std::string> &lines) {
    trace_.line(ui::msgboxTraceLine(title, lines));
}

void TraceSound::play(const std::string &name, const std::string &) {
    trace_.line("sound " + text::ansiToUtf8(name));
}

} // namespace kartino::backend
