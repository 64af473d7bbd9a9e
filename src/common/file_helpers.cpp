#include "common/file_helpers.hpp"

#include <string>

namespace kartino::common {

void skiptomarker(basic::FileTable &files, int n, int filenumber) {
    const std::string marker(static_cast<std::size_t>(n > 0 ? n : 0), '*');
    for (;;) {
        std::string line = files.lineInput(filenumber);
        if (line.compare(0, marker.size(), marker) == 0 && line.size() >= marker.size()) return;
    }
}

} // namespace kartino::common
