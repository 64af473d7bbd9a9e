// Arbitrary bytes as the input script of the headless backend: parsed, and a script that
// parses is played through the backend to its end, as a program waiting for input would take
// it (its screenshots left out: they write files). A bad line throws ScriptError; the end of
// the script, with nothing left to wait for, throws ScriptStalled. A crash, a hang or any other
// exception is a finding.
#include "platform/backend/headless/headless_backend.hpp"

#include "fuzz_support.hpp"

#include <cstdint>
#include <vector>

using namespace kartino;
using backend::ScriptCommand;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    std::vector<ScriptCommand> script;
    try {
        script = backend::parseScript(fuzzing::bytesOf(data, size));
    } catch (const backend::ScriptError &) {
        return 0;
    }
    std::erase_if(script, [](const ScriptCommand &c) { return c.op == ScriptCommand::Op::Screenshot; });
    const std::size_t commands = script.size();
    backend::HeadlessConfig config;
    config.screen = {64, 48};
    config.script = std::move(script);
    backend::HeadlessBackend headless(std::move(config));
    // Each line gives at most two events, or one wait, then the close; a DoEvents look between
    // two waits for input keeps the timeline honest.
    const std::size_t looks = 8 * commands + 16;
    try {
        for (std::size_t look = 0; look < looks; ++look)
            headless.nextEvent(std::nullopt, look % 2 == 1);
    } catch (const backend::ScriptStalled &) {
        return 0;
    }
    fuzzing::check(false); // the end of the script must stall a wait with nothing due
    return 0;
}
