#include "platform/basic/read_all.hpp"

#include <cerrno>
#include <unistd.h>

namespace kartino::basic {

ReadAll readAll(int fd, std::string &out, std::size_t limit) {
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return ReadAll::Failed;
        if (n == 0) return ReadAll::Whole;
        out.append(buf, static_cast<std::size_t>(n));
        if (out.size() > limit) return ReadAll::TooLong;
    }
}

} // namespace kartino::basic
