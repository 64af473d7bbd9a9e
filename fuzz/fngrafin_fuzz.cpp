// Arbitrary bytes as a vector file read through fngrafin. The first four bytes choose the call:
// names kept and thinning on or off, the task count, the first and the last record (-1 often).
// A failure must end in the reported session end; a successful read must leave tables that the
// drawing and the place list can rely on.
#include "vecgraphics/vector_reader.hpp"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using namespace kartino;

struct SessionEnded {};

class SilentBox : public ui::MessageBox {
  public:
    void show(const std::string &, const std::vector<std::string> &) override {}
};

const std::string &scratchFile() {
    static const std::string path = [] {
        auto dir = std::filesystem::temp_directory_path() / ("kartino-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        static const std::filesystem::path scratch = dir;
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(scratch, ignored);
        });
        return (dir / "karte.vec").string();
    }();
    return path;
}

void check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 4) return 0;
    const std::string &file = scratchFile();
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(data + 4), static_cast<std::streamsize>(size - 4));
    }

    basic::PathResolver paths([](char) { return std::optional<std::string>(); });
    basic::FileTable files(paths);
    basic::FakeClock clock;
    basic::Random rnd;
    SilentBox box;
    common::Services sv{paths, files, clock, rnd, box, {}, [] { throw SessionEnded{}; }};
    common::Shared sh;
    sh.settingspaths[9] = file + ".no-folder/"; // the error log cannot be written: no disk traffic

    vecgraphics::VectorTables vt;
    vt.keepnames = (data[0] & 1) ? -1 : 0;
    vecgraphics::ThinningSettings thinning;
    thinning.shuffleflag = (data[0] & 2) ? -1 : 0;
    thinning.taskcount = static_cast<std::int16_t>(data[1] % 64);
    auto first = static_cast<std::int16_t>(data[2] % 48 - 2);
    auto last = static_cast<std::int16_t>(data[3] < 128 ? -1 : data[3] % 96 - 1);

    try {
        std::int16_t upper = vecgraphics::fngrafin(sv, sh, vt, thinning, file, first, last);
        check(upper <= 200);
        for (int i = 0; i <= upper; ++i) {
            const std::string &text = vt.recordtext[static_cast<std::size_t>(i)];
            check(text.size() >= 2 && text.compare(text.size() - 2, 2, "*,") == 0);
        }
        check(vt.recordlist.size() % 3 == 0);
        check(vt.recordlist.size() / 3 <= static_cast<std::size_t>(upper < 0 ? 0 : upper + 1));
        check(sh.currentfile.empty() && !files.isOpen(1));
    } catch (const SessionEnded &) {
        check(!files.isOpen(1));
    }
    return 0;
}
