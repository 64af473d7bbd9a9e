#pragma once
// The vector drawing language: one loaded record (a sequence of comma-terminated tokens, each a
// command letter with its first operand, further operands as plain numbers) drawn turtle-like
// from a pen position, in steps, circles, ellipses, arcs, rectangles, flood fills and composite
// figures.
//
//   vecgraphics::VecState drawing;
//   vecgraphics::vecdraw(services, shared, vectors, drawing, form,
//                        {.record = 0, .x = CInt(screenx(shared.screen, 320)), .y =
//                        CInt(screeny(shared.screen, 256)),
//                         .scalex = scalex(shared.screen, 4), .scaley = scaley(shared.screen, 4)});
//
// A malformed record (a slot outside 0..99, a record number outside 0..200, an ellipse without
// width, a colour outside 0..16, operands past the end of the record, a polygon with no or too
// many sides, a comma beyond character 32 766, a runaway repeat) stops at its faulty command:
// the figure drawn so far stays, and vecdraw writes one line naming the file, the record, the
// token's position and the token to errwin.dat and returns, so the caller goes on with the next
// record.
#include "common/services.hpp"
#include "platform/basic/random.hpp"
#include "vecgraphics/drawing_surface.hpp"
#include "vecgraphics/interpreter.hpp"
#include "vecgraphics/vec_state.hpp"
#include "vecgraphics/vector_tables.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kartino::ui {
class Form;
}

namespace kartino::vecgraphics {

struct MalformedRecord {
    std::int16_t record = 0;        // table index as called
    std::int32_t fileposition = -1; // the record's position in its file; -1 when not loaded
    std::int32_t tokenpos = 0;      // 1-based position of the faulty command's token
    std::string token;
    int number = 0; // the run-time error it raised
    std::string description;

    // The record as reports name it: its position in the file, else the table index.
    std::int32_t reportedrecord() const { return fileposition >= 0 ? fileposition : record; }
};

// A token as reports show it: cut to 40 characters (then "..."), control characters as "?".
std::string showntoken(std::string_view token);

// Interprets one record; the fault of a malformed record is returned, not reported. The
// surface's FillStyle is transparent afterwards in either case.
std::optional<MalformedRecord> drawrecord(VecState &state, const VectorTables &vectors,
                                          const common::Shared &shared, basic::Random &rnd,
                                          DrawingSurface &surface, const VecCall &call);

// "vec:vecdraw,NUMBER,DESCRIPTION,Datei: FILE,Satz N,Position P,Token T": the record as its
// position in the file, the token cut to 40 characters with control characters shown as "?".
std::string malformedtext(const MalformedRecord &fault, std::string_view file);

// Draws one record on the surface or the form; a malformed one is reported to errwin.dat.
void vecdraw(common::Services &services, common::Shared &shared, const VectorTables &vectors, VecState &state,
             DrawingSurface &surface, const VecCall &call);
void vecdraw(common::Services &services, common::Shared &shared, const VectorTables &vectors, VecState &state,
             ui::Form &form, const VecCall &call);

} // namespace kartino::vecgraphics
