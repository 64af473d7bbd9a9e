#pragma once
// The session object: every piece of state that lives as long as one start of the program,
// grouped by concern, together with the platform services it uses. main() creates one; every
// test builds a fresh one. Each part's struct lives with the folder that owns it: the map, the
// places and the task presentation with content/, the run of tasks with exercise/, the drawing
// state with vecgraphics/; what the whole session shares stays here.
#include "common/services.hpp"
#include "content/map_geometry.hpp"
#include "content/place_tables.hpp"
#include "content/presentation.hpp"
#include "exercise/exercise_state.hpp"
#include "session/results.hpp"
#include "session/settings.hpp"
#include "session/texts.hpp"
#include "vecgraphics/vec_state.hpp"
#include "vecgraphics/vector_tables.hpp"

namespace kartino::session {

struct Session {
    explicit Session(common::Services &services) : services(services) {}

    common::Services &services;
    common::Shared shared;
    Settings settings;
    Results results;
    Texts texts;
    vecgraphics::VectorTables vectors;
    vecgraphics::VecState drawing; // the drawing interpreter's pen, slots and register
    content::MapGeometry map;
    content::PlaceTables places;
    content::RunState run;
    content::Presentation task;
    exercise::ExerciseRun exerciserun; // the run of tasks on the exercise form
};

} // namespace kartino::session
