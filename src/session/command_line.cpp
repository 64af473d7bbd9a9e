#include "session/command_line.hpp"

#include "platform/basic/numbers.hpp"

namespace kartino::session {
namespace {

// Mid$(text, start, length) with 1-based start; past the end gives "".
std::string_view columns(std::string_view text, std::size_t start, std::size_t length) {
    if (start > text.size()) return {};
    return text.substr(start - 1, length);
}

std::int16_t numberfield(std::string_view text, std::size_t start, std::size_t length) {
    return basic::CInt(basic::Val(columns(text, start, length)));
}

} // namespace

std::string hostfolderof(std::string_view commandline) {
    return std::string(columns(commandline, 17, std::string_view::npos));
}

void readcommandline(Settings &settings, std::string_view commandline) {
    settings.exercisefile = std::string(columns(commandline, 1, 5));
    settings.cmdfield6 = numberfield(commandline, 6, 2);
    settings.blocknumber = numberfield(commandline, 8, 2);
    settings.cmdoptions = numberfield(commandline, 10, 2);
    settings.taskcount = numberfield(commandline, 12, 3);
    settings.cmdfield15 = numberfield(commandline, 15, 2);
}

} // namespace kartino::session
