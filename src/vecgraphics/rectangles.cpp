// Rectangles: "R" (outline), "S" (filled with a colour of its own) and "T" (direction 0, filled
// with the current colour). They start at the pen as the first corner and come back to it.
#include "vecgraphics/interpreter.hpp"

#include "platform/basic/numbers.hpp"

namespace kartino::vecgraphics {

void Interpreter::rectangle(char letter) {
    double side1 = basic::Val(st_.cmdarg);
    std::string side2 = nexttoken(); // kept as text, converted when it is used
    double direction = letter == 'T' ? 0 : operand();

    storeslot(0, st_.penx, st_.peny);
    st_.vecangle = direction;
    st_.vecangle = st_.vecangle + 270 + base();
    st_.steplen = side1;
    stepline();
    st_.vecangle = st_.vecangle + 90;
    st_.steplen = basic::Val(side2);
    stepline();
    st_.vecangle = st_.vecangle + 90;
    st_.steplen = side1;
    stepline();
    drawline(st_.penx, st_.peny, st_.vecpointx[0], st_.vecpointy[0]);
    gotoslot(0);
    if (letter == 'R') return;

    std::int16_t fill = letter == 'S' ? intoperand() : st_.veccolor;
    // The seed lies 4 units down and to the right of the starting corner, whatever the direction.
    st_.vecangle = base() + 315;
    st_.steplen = 4;
    steppoint();
    move(st_.endx, st_.endy);
    vecfill(st_.veccolor, fill, fillflag_);
    gotoslot(0);
}

} // namespace kartino::vecgraphics
