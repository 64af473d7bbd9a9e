#pragma once
// The session object: every piece of state that lives as long as one start of the program,
// grouped by concern, together with the platform services it uses. main() creates one; every
// test builds a fresh one.
#include "common/services.hpp"
#include "session/exercise_state.hpp"
#include "session/map_geometry.hpp"
#include "session/place_tables.hpp"
#include "session/presentation.hpp"
#include "session/results.hpp"
#include "session/settings.hpp"
#include "session/texts.hpp"
#include "vecgraphics/vec_state.hpp"
#include "vecgraphics/vector_tables.hpp"

namespace kartino::session {

struct Session {
    explicit Session(common::Services &services) : sv(services) {}

    common::Services &sv;
    common::Shared sh;
    Settings settings;
    Results results;
    Texts texts;
    vecgraphics::VectorTables vt;
    vecgraphics::VecState vs; // the drawing interpreter's pen, slots and register
    MapGeometry map;
    PlaceTables places;
    RunState run;
    Presentation task;
    ExerciseRun ex; // the run of tasks on the exercise form
};

} // namespace kartino::session
