// Vector file reader: a generated map file of 200 records read whole, at sizes from 128 KB to
// 2 MB, to show that reading time grows in proportion to the file size (bytes per second).
#include "vecgraphics/vector_reader.hpp"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

using namespace kartino;

class SilentBox : public ui::MessageBox {
  public:
    void show(const std::string &, const std::vector<std::string> &) override {}
};

// A map file of `records` records of about `bytes` bytes in all: drawing commands in lines of
// about 60 characters, CR LF line ends, a named terminator for each record.
std::string generatedMap(int records, std::size_t bytes) {
    std::string text =
        std::to_string(records) + " <0,0,640,480>/m=1/c/p0,0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15\r\n";
    const std::size_t perRecord = bytes / static_cast<std::size_t>(records);
    for (int k = 0; k < records; ++k) {
        std::size_t start = text.size();
        text += "C" + std::to_string(k % 16) + ",M" + std::to_string(100 + k) + "," +
                std::to_string(200 + k % 50) + ",\r\n";
        for (int n = 0; text.size() - start + 20 < perRecord; ++n)
            text += "L" + std::to_string(n % 97 - 48) + "," + std::to_string(n % 89 - 44) +
                    ",L12,-7,L5,3,L-14,9,L7,7,L-3,-11,\r\n";
        text += "*Ort " + std::to_string(k) + ",120,45\r\n";
    }
    return text;
}

void BM_FngrafinWholeFile(benchmark::State &state) {
    const auto bytes = static_cast<std::size_t>(state.range(0));
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("kartino-vecbench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string file = (dir / "karte.vec").string();
    const std::string content = generatedMap(200, bytes);
    std::ofstream(file, std::ios::binary) << content;

    basic::PathResolver paths([](char) { return std::optional<std::string>(); });
    basic::FileTable files(paths);
    basic::FakeClock clock;
    basic::Random rnd;
    SilentBox box;
    common::Services services{paths, files, clock, rnd,
                              box,   {},    {},    [] { throw std::runtime_error("failed"); }};
    common::Shared shared;
    shared.settingspaths[common::kResultFolder] = dir.string() + "/";
    vecgraphics::VectorTables vectors;
    vectors.keepnames = -1;
    for (auto _ : state) {
        std::int16_t upper = vecgraphics::fngrafin(services, shared, vectors, {}, file, 0, -1);
        benchmark::DoNotOptimize(upper);
        benchmark::DoNotOptimize(vectors.recordtext[199].data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * content.size()));
    state.SetComplexityN(static_cast<std::int64_t>(content.size()));
    std::filesystem::remove_all(dir);
}

BENCHMARK(BM_FngrafinWholeFile)->RangeMultiplier(2)->Range(128 << 10, 2 << 20)->Complexity(benchmark::oN);

} // namespace
