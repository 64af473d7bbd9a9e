#pragma once
// The instruction screen of the start form (the suite's word-mark, the host's instruction file
// "instru" and the built instruction lines) and the routine that paints a label as a push button.
#include "platform/ui/form.hpp"
#include "platform/ui/label.hpp"
#include "session/session.hpp"

#include <string>

namespace kartino::session {

inline constexpr int instructionFileNumber = 2;
inline constexpr gfx::Colour wordmarkColour = gfx::rgb(170, 170, 170);

// The stroke unit of the word-mark in pixels, one of four sizes chosen by the area height.
double wordmarkunit(const common::ScreenMetrics &screen);

// Draws the suite's name in grey strokes, its right edge at design x 630 and its top at design y 5.
void drawwordmark(const Session &s, ui::Form &form);

// Paints the instruction screen: word-mark, the instruction file and the instruction lines.
void drawinstructions(Session &s, ui::Form &form);

// Paints the label's area on its parent form as a raised push button with `text` centred in
// Arial of design size `size`; `marked` != 0 adds a dark frame on the left and top edges.
void drawlabelbutton(Session &s, ui::Label &label, const std::string &text, int size, int marked);

} // namespace kartino::session
