#pragma once
// The interpreter behind vecdraw: reads the tokens of one record and carries out its commands
// on a drawing surface. A malformed record raises the run-time error the legacy runtime would
// have raised at that token; vecdraw catches it. The command groups live in their own files:
// interpreter.cpp (the loop, tokens and the single commands), drawing.cpp (steps and "W", points,
// circles and fills), rectangles.cpp, arcs.cpp ("I", "i", "X"), glyphs.cpp ("J0", "J", "j")
// and badges.cpp ("O", "V", "Q", "q").
#include "common/palette.hpp"
#include "common/services.hpp"
#include "platform/basic/random.hpp"
#include "vecgraphics/drawing_surface.hpp"
#include "vecgraphics/step_chain.hpp"
#include "vecgraphics/vec_state.hpp"
#include "vecgraphics/vector_tables.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

namespace kartino::vecgraphics {

// The arguments of one vecdraw call after the surface.
struct VecCall {
    std::int16_t record = 0;      // index into recordtext
    std::int16_t x = 0, y = 0;    // start of the pen in surface units
    std::int16_t colour = 15;     // initial veccolor
    double scalex = 4;            // horizontal scale: 4 makes a vector unit one surface unit
    double baseangle = 0;         // degrees added to every angle operand
    std::int16_t fillflag = -1;   // Boolean: enables the fills of "f", "S" and "T"
    std::optional<double> scaley; // vertical scale; the horizontal one when missing
};

// Drawing calls one record may make before it counts as runaway: far beyond any real figure
// (a whole map has some tens of thousands), small enough that no record can stall the program.
inline constexpr long kMaxDrawingCalls = 1L << 18;

class Interpreter {
  public:
    Interpreter(VecState &state, const VectorTables &vectors, const common::Shared &shared,
                basic::Random &rnd, DrawingSurface &surface)
        : st_(state), vt_(vectors), sh_(shared), rnd_(rnd), chain_(surface) {}

    // Interprets the record from its first token to its "*" token.
    void run(const VecCall &call);
    // Where the command being carried out began, and its token.
    std::int32_t commandpos() const { return commandpos_; }
    const std::string &commandtoken() const { return commandtoken_; }

    // Angle in degrees brought into 0..360 and rounded to Integer; 360 stays 360.
    static std::int16_t normangle(double angle);

  private:
    // ----- tokens and operands
    std::string nexttoken();
    std::string tokenat(std::int32_t start) const; // the text from start up to its comma
    double operand();
    std::int16_t intoperand();
    void commands(); // from the first token to the "*" token
    void command();
    void singlecommand(char letter, bool lower);

    // ----- steps, points and fills (drawing.cpp)
    DrawingSurface &surface() { return chain_.surface(); } // for anything but a step
    void steppoint();
    void stepline();
    void drawline(double x1, double y1, double x2, double y2); // line and the point on its end
    void pset(double x, double y, std::int16_t colour);
    void circle(double x, double y, double radius, std::int16_t colour, std::optional<double> start = {},
                std::optional<double> end = {}, std::optional<double> aspect = {});
    void vecfill(std::int16_t border, std::int16_t fill, bool enable);
    void move(double x, double y);
    std::size_t slot(double number) const;
    void storeslot(double number, double x, double y);
    void gotoslot(double number);
    // The RGB value of a working colour, from the palette as it was when the record began.
    std::uint32_t colourof(std::int16_t number) const {
        return number >= 0 && static_cast<std::size_t>(number) < colours_.size()
                   ? colours_[static_cast<std::size_t>(number)]
                   : common::palcolor(sh_, number); // the subscript error
    }
    double unit() const { return st_.vecscalex / 4; }
    double base() const { return base_; }
    void count() { // one drawing call; a runaway record ends with the runtime's invalid call
        if (++calls_ > kMaxDrawingCalls) runaway();
    }
    [[noreturn]] static void runaway();

    // ----- commands with their own routines
    void ellipse(bool arc);
    void rectangle(char letter);
    void repeatsteps();
    void rotatedarc(bool chained);
    void lineglyph();
    void filledglyph(double direction);
    void polygonpass(std::int16_t sides, double distance, double direction, double radius, int slotoffset);
    void polygonbadge();
    void polygonoutline();
    void discbadge();
    void ringbadge();
    void dotspray();

    VecState &st_;
    const VectorTables &vt_;
    const common::Shared &sh_;
    basic::Random &rnd_;
    StepChain chain_; // the surface, with the steps not yet drawn on it
    double base_ = 0;
    bool fillflag_ = true;
    long calls_ = 0;
    std::array<std::uint32_t, std::tuple_size_v<decltype(common::Shared::palette)>> colours_{}; // 0 to 16
    std::int32_t commandpos_ = 1;
    std::string commandtoken_;
};

} // namespace kartino::vecgraphics
