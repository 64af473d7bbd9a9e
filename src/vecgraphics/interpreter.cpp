// The interpreter's main loop, its token reader, the step primitives, the flood fill and the
// commands that take one line of code each.
#include "vecgraphics/interpreter.hpp"

#include "common/palette.hpp"
#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"

#include <algorithm>
#include <cmath>

namespace kartino::vecgraphics {

namespace {

char uppercase(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

void Interpreter::run(const VecCall &call) {
    st_.degtorad = std::atan(1.0) * 4 / 180;
    st_.veccolor = call.colour;
    st_.tokenpos = 1;
    st_.vecrecord = call.record;
    st_.vecscalex = call.scalex;
    st_.vecscaley = call.scaley.value_or(call.scalex);
    st_.vecangle = call.baseangle;
    st_.penx = call.x + 0.0002;
    st_.peny = call.y + 0.0002;
    base_ = call.baseangle;
    fillflag_ = call.fillflag != 0;
    calls_ = 0;
    for (std::size_t n = 0; n < colours_.size(); ++n)
        colours_[n] = common::palcolor(sh_, static_cast<int>(n));
    commandpos_ = 1;
    commandtoken_.clear();
    if (call.record < 0 || call.record >= kRecordSlots) basic::raise(basic::errSubscript);
    // The steps held back are drawn however the record ends, a fault included: what a
    // malformed record drew before its fault stays drawn.
    try {
        commands();
    } catch (...) {
        chain_.flush();
        throw;
    }
    chain_.flush();
}

void Interpreter::commands() {
    for (;;) {
        // A token that cannot be read here belongs to the command before it, which took the
        // final "*" as its operand: that command stays the one reported.
        std::int32_t start = st_.tokenpos;
        try {
            st_.token = nexttoken();
        } catch (const basic::RuntimeError &e) {
            if (e.number() != basic::errInvalidCall) {
                commandpos_ = start; // a comma beyond the reach of tokenpos: this token is at fault
                commandtoken_ = tokenat(start);
            }
            throw;
        }
        commandpos_ = start;
        commandtoken_ = st_.token;
        st_.cmdletter = st_.token.empty() ? std::string() : std::string(1, uppercase(st_.token.front()));
        st_.cmdarg = st_.token.size() > 1 ? st_.token.substr(1) : std::string();
        if (!st_.token.empty() && st_.token.front() == '*') return;
        command();
    }
}

std::int16_t Interpreter::normangle(double angle) {
    if (!std::isfinite(angle)) basic::raise(basic::errOverflow);
    // Far outside one turn, whole turns come off at once: subtracting 360 from such a value one
    // turn at a time would not change it.
    if (std::fabs(angle) > 1e6) angle = std::fmod(angle, 360.0);
    while (angle < 0)
        angle += 360;
    while (angle > 360)
        angle -= 360;
    return basic::CInt(angle);
}

// The text from tokenpos up to the next comma; tokenpos moves past the comma. Without a comma
// left the token cannot be cut (the runtime's invalid call); a comma beyond the 16-bit range of
// tokenpos overflows.
std::string Interpreter::nexttoken() {
    const std::string &text = vt_.recordtext[static_cast<std::size_t>(st_.vecrecord)];
    auto start = static_cast<std::size_t>(st_.tokenpos - 1);
    std::size_t comma = start <= text.size() ? text.find(',', start) : std::string::npos;
    if (comma == std::string::npos) basic::raise(basic::errInvalidCall);
    st_.tokenpos = basic::checkedInteger(static_cast<std::int64_t>(comma) + 2);
    return text.substr(start, comma - start);
}

std::string Interpreter::tokenat(std::int32_t start) const {
    const std::string &text = vt_.recordtext[static_cast<std::size_t>(st_.vecrecord)];
    auto from = static_cast<std::size_t>(start - 1);
    if (from >= text.size()) return {};
    return text.substr(from, text.find(',', from) - from);
}

double Interpreter::operand() {
    return basic::Val(nexttoken());
}

std::int16_t Interpreter::intoperand() {
    return basic::CInt(operand());
}

void Interpreter::command() {
    char first = st_.token.empty() ? '\0' : st_.token.front();
    bool lower = first >= 'a' && first <= 'z';
    switch (uppercase(first)) {
    case 'E':
        return ellipse(lower);
    case 'I':
        return rotatedarc(lower);
    case 'J':
        if (basic::Val(st_.cmdarg) == 0) return lineglyph();
        return filledglyph(lower ? operand() + base() : base());
    case 'O':
        return polygonbadge();
    case 'Q':
        return lower ? ringbadge() : discbadge();
    case 'R':
    case 'S':
    case 'T':
        return rectangle(uppercase(first));
    case 'V':
        return polygonoutline();
    case 'W':
        return repeatsteps();
    case 'X':
        return dotspray();
    default:
        return singlecommand(uppercase(first), lower);
    }
}

void Interpreter::singlecommand(char letter, bool lower) {
    double a = basic::Val(st_.cmdarg);
    switch (letter) {
    case 'A':
        st_.vecangle = a + base();
        return;
    case 'B':
        st_.steplen = a;
        st_.vecangle = operand() + base();
        steppoint();
        return move(st_.endx, st_.endy);
    case 'C':
        st_.veccolor = basic::CInt(a);
        return;
    case 'D':
        st_.steplen = a * std::sqrt(2.0);
        st_.vecangle = operand() + base();
        return stepline();
    case 'F':
        return vecfill(st_.veccolor, basic::CInt(basic::Int(a)), lower ? fillflag_ : true);
    case 'G':
        return gotoslot(a);
    case 'K':
        if (!lower) return circle(st_.penx, st_.peny, a * unit(), st_.veccolor);
        {
            double start = normangle(operand() + base()) * st_.degtorad;
            double end = normangle(operand() + base()) * st_.degtorad;
            return circle(st_.penx, st_.peny, a * unit(), st_.veccolor, start, end);
        }
    case 'L':
        st_.steplen = a;
        st_.vecangle = operand() + base();
        return stepline();
    case 'M':
        return storeslot(a, st_.penx, st_.peny);
    case 'N':
        st_.steplen = a;
        st_.vecangle = operand() + base();
        steppoint();
        return drawline(st_.penx, st_.peny, st_.endx, st_.endy);
    case 'P':
        return move(basic::CInt(st_.penx), basic::CInt(st_.peny));
    case 'U':
        if (lower) return; // reads its radius and draws nothing
        surface().setFillStyle(0);
        surface().setFillColor(colourof(st_.veccolor));
        circle(st_.penx, st_.peny, a * unit(), st_.veccolor);
        return surface().setFillStyle(1);
    case 'Y':
        st_.vecangle = base() + 180;
        st_.steplen = 4;
        gotoslot(a);
        steppoint();
        return move(st_.endx, st_.endy);
    case 'Z': {
        std::size_t k = slot(a);
        st_.endx = st_.vecpointx[k];
        st_.endy = st_.vecpointy[k];
        drawline(st_.penx, st_.peny, st_.endx, st_.endy);
        return move(st_.endx, st_.endy);
    }
    default: // any other token is a drawn step of its own value
        st_.steplen = basic::Val(st_.token);
        st_.vecangle = operand() + base();
        return stepline();
    }
}

// A slot number rounds like an array subscript; outside 0..99 it is the subscript error.
std::size_t Interpreter::slot(double number) const {
    double r = basic::roundHalfEven(number);
    if (!(r >= 0 && r < kPointSlots)) basic::raise(basic::errSubscript);
    return static_cast<std::size_t>(r);
}

void Interpreter::storeslot(double number, double x, double y) {
    std::size_t k = slot(number);
    st_.vecpointx[k] = x;
    st_.vecpointy[k] = y;
}

void Interpreter::gotoslot(double number) {
    std::size_t k = slot(number);
    move(st_.vecpointx[k], st_.vecpointy[k]);
}

void Interpreter::ellipse(bool arc) {
    double rx = basic::Val(st_.cmdarg) * unit();
    double ry = operand() * unit();
    std::optional<double> start, end;
    if (arc) {
        start = normangle(operand() + base()) * st_.degtorad;
        end = normangle(operand() + base()) * st_.degtorad;
    }
    if (rx == 0) basic::raise(basic::errDivisionByZero); // the aspect ry / rx
    circle(st_.penx, st_.peny, std::max(rx, ry), st_.veccolor, start, end, ry / rx);
}

} // namespace kartino::vecgraphics
