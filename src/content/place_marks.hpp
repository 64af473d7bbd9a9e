#pragma once
// The round place marker: a filled circle in a colour with a rim in colour 8.
#include "platform/ui/form.hpp"
#include "session/session.hpp"

#include <cstdint>

namespace kartino::content {

// A filled circle of radius scalex(exerciseparam2) at design (x, y) in colour number `colour`,
// then the same circle unfilled in colour number 8 as its rim.
void markplace(session::Session &s, ui::Form &form, std::int32_t x, std::int32_t y, std::int16_t colour);

} // namespace kartino::content
