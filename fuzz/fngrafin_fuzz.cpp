// Arbitrary bytes as a vector file read through fngrafin. The first four bytes choose the call:
// names kept and thinning on or off, the task count, the first and the last record (-1 often).
// A failure must end in the reported session end; a successful read must leave tables that the
// drawing and the place list can rely on.
#include "vecgraphics/vector_reader.hpp"

#include "fuzz_support.hpp"

#include <cstdint>
#include <string>

namespace {

using namespace kartino;
using fuzzing::check;
using fuzzing::SessionEnded;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 4) return 0;
    fuzzing::FuzzSession session("karte.vec", data, size, 4);
    const std::string &file = session.file;
    common::Services &services = session.services;
    common::Shared &shared = session.shared;
    basic::FileTable &files = session.files;

    vecgraphics::VectorTables vectors;
    vectors.keepnames = (data[0] & 1) ? -1 : 0;
    vecgraphics::ThinningSettings thinning;
    thinning.shuffleflag = (data[0] & 2) ? -1 : 0;
    thinning.taskcount = static_cast<std::int16_t>(data[1] % 64);
    auto first = static_cast<std::int16_t>(data[2] % 48 - 2);
    auto last = static_cast<std::int16_t>(data[3] < 128 ? -1 : data[3] % 96 - 1);

    try {
        std::int16_t upper = vecgraphics::fngrafin(services, shared, vectors, thinning, file, first, last);
        check(upper <= 200);
        for (int i = 0; i <= upper; ++i) {
            const std::string &text = vectors.recordtext[static_cast<std::size_t>(i)];
            check(text.size() >= 2 && text.compare(text.size() - 2, 2, "*,") == 0);
        }
        check(vectors.recordlist.size() % 3 == 0);
        check(vectors.recordlist.size() / 3 <= static_cast<std::size_t>(upper < 0 ? 0 : upper + 1));
        check(shared.currentfile.empty() && !files.isOpen(1));
    } catch (const SessionEnded &) {
        check(!files.isOpen(1));
    }
    return 0;
}
