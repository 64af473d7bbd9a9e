#include "vecgraphics/vecdraw.hpp"

#include "common/errors.hpp"
#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"

namespace kartino::vecgraphics {

namespace {

constexpr std::size_t kTokenShown = 40;
constexpr std::size_t kPositionWidth = 3; // recordlist holds one "###" field per loaded record

std::int32_t fileposition(const VectorTables &vectors, std::int16_t record) {
    auto at = static_cast<std::size_t>(record) * kPositionWidth;
    if (record < 0 || at + kPositionWidth > vectors.recordlist.size()) return -1;
    return static_cast<std::int32_t>(basic::Val(vectors.recordlist.substr(at, kPositionWidth)));
}

} // namespace

std::string showntoken(std::string_view token) {
    std::string shown;
    for (unsigned char c : token.substr(0, kTokenShown))
        shown += c < 32 ? '?' : static_cast<char>(c);
    if (token.size() > kTokenShown) shown += "...";
    return shown;
}

std::optional<MalformedRecord> drawrecord(VecState &state, const VectorTables &vectors,
                                          const common::Shared &shared, basic::Random &rnd,
                                          DrawingSurface &surface, const VecCall &call) {
    Interpreter interpreter(state, vectors, shared, rnd, surface);
    try {
        interpreter.run(call);
        return std::nullopt;
    } catch (const basic::RuntimeError &e) {
        surface.setFillStyle(1); // a fill cut short must not leave the surface painting solid
        MalformedRecord fault;
        fault.record = call.record;
        fault.fileposition = fileposition(vectors, call.record);
        fault.tokenpos = interpreter.commandpos();
        fault.token = interpreter.commandtoken();
        fault.number = e.number();
        fault.description = e.description();
        return fault;
    }
}

std::string malformedtext(const MalformedRecord &fault, std::string_view file) {
    return "vec:vecdraw," + std::to_string(fault.number) + "," + fault.description +
           ",Datei: " + std::string(file) + ",Satz " + std::to_string(fault.reportedrecord()) + ",Position " +
           std::to_string(fault.tokenpos) + ",Token " + showntoken(fault.token);
}

void vecdraw(common::Services &services, common::Shared &shared, const VectorTables &vectors, VecState &state,
             DrawingSurface &surface, const VecCall &call) {
    if (auto fault = drawrecord(state, vectors, shared, services.rnd, surface, call))
        common::logerror(services, shared,
                         std::string(basic::kErrorSource) + "," + malformedtext(*fault, vectors.loadedfile));
}

void vecdraw(common::Services &services, common::Shared &shared, const VectorTables &vectors, VecState &state,
             ui::Form &form, const VecCall &call) {
    FormSurface surface(form);
    vecdraw(services, shared, vectors, state, surface, call);
}

} // namespace kartino::vecgraphics
