// Pointing and answering: the cross-hair the form draws over the map in place of the system
// cursor, the map hit test, the acceptance of a click (on the target's colour where the task
// judges by colour) and the answer mark that stays on the clicked point until the go-on.
//
// The cross-hair moves by copying only its small save box: the pixels under it are put back,
// the box at the new point is saved, and the two arms are drawn.
#include "common/cursor_helpers.hpp"
#include "common/design_screen.hpp"
#include "common/palette.hpp"
#include "common/scale_control.hpp"
#include "common/small_helpers.hpp"
#include "exercise/form_kartino.hpp"
#include "platform/basic/numbers.hpp"
#include "platform/ui/application.hpp"
#include "platform/ui/canvas.hpp"

namespace kartino::exercise {

namespace {

constexpr std::int16_t kCrossColour = 15;

int pixel(double v) {
    return common::topixels(v);
}

} // namespace

bool FormKartino::inmap(double x, double y) const {
    const common::ScreenMetrics &sc = s_.shared.screen;
    const content::MapGeometry &m = s_.map;
    return common::screenx(sc, m.mapleft) <= x && x <= common::screenx(sc, m.mapright) &&
           common::screeny(sc, m.maptop) <= y && y <= common::screeny(sc, m.mapbottom);
}

void FormKartino::savecross(double x, double y) {
    const ExerciseRun &exerciserun = s_.exerciserun;
    ui::BitBlt(Picturemaus, 0, 0, pixel(exerciserun.crossboxw), pixel(exerciserun.crossboxh), *this,
               pixel(x - exerciserun.crossarm), pixel(y - exerciserun.crossarm));
}

void FormKartino::restorecross() {
    const ExerciseRun &exerciserun = s_.exerciserun;
    ui::BitBlt(*this, pixel(exerciserun.crossx - exerciserun.crossarm),
               pixel(exerciserun.crossy - exerciserun.crossarm), pixel(exerciserun.crossboxw),
               pixel(exerciserun.crossboxh), Picturemaus, 0, 0);
}

void FormKartino::drawcross(double x, double y) {
    const std::uint32_t colour = common::palcolor(s_.shared, kCrossColour);
    const double arm = s_.exerciserun.crossarm;
    Line(gfx::PenPoint{x - arm, y}, gfx::PenPoint{x + arm + 1, y}, colour);
    Line(gfx::PenPoint{x, y - arm}, gfx::PenPoint{x, y + arm + 1}, colour);
}

void FormKartino::hidesystemcursor() {
    common::hidecursor([this](bool show) { return app().ShowCursor(show); });
}

void FormKartino::showsystemcursor() {
    common::showcursor([this](bool show) { return app().ShowCursor(show); });
}

// At the start of a task: what lies under the pointer is saved (nothing is drawn yet), and the
// system cursor shows only outside the map.
void FormKartino::takecursor() {
    ExerciseRun &exerciserun = s_.exerciserun;
    const ui::ScreenPoint at = app().GetCursorPos();
    exerciserun.crossx = at.x;
    exerciserun.crossy = at.y;
    savecross(exerciserun.crossx, exerciserun.crossy);
    exerciserun.systemcursor = !inmap(exerciserun.crossx, exerciserun.crossy);
    if (exerciserun.systemcursor)
        showsystemcursor();
    else
        hidesystemcursor();
}

void FormKartino::Form_MouseMove(int, int, float X, float Y) {
    ExerciseRun &exerciserun = s_.exerciserun;
    if (!exerciserun.awaitingclick) return;
    if (inmap(X, Y)) {
        if (exerciserun.systemcursor) {
            exerciserun.systemcursor = false;
            hidesystemcursor();
        } else {
            restorecross();
        }
        savecross(X, Y);
        drawcross(X, Y);
        exerciserun.crossx = X;
        exerciserun.crossy = Y;
    } else if (!exerciserun.systemcursor) {
        exerciserun.systemcursor = true;
        showsystemcursor();
        restorecross();
    }
}

void FormKartino::Form_MouseDown(int, int, float X, float Y) {
    ExerciseRun &exerciserun = s_.exerciserun;
    if (!exerciserun.awaitingclick) return;
    exerciserun.clickx = basic::CInt(X);
    exerciserun.clicky = basic::CInt(Y);
    if (!inmap(exerciserun.clickx, exerciserun.clicky)) return;
    const bool colourtest = s_.settings.colourhitmode || (s_.task.pointmode && !s_.task.pointtarget);
    // The cross-hair goes first, so that it hides neither the map colour nor the answer mark.
    if (!exerciserun.systemcursor) restorecross();
    if (colourtest) {
        const std::uint32_t colour =
            static_cast<std::uint32_t>(Point(exerciserun.clickx, exerciserun.clicky));
        if (colour != s_.map.targetcolour1 && colour != s_.map.targetcolour2) {
            app().sndPlaySound(s_.settings.warnsound);
            if (!exerciserun.systemcursor) drawcross(exerciserun.crossx, exerciserun.crossy);
            return;
        }
    }
    evaluateanswer();
    CommandHilf.setVisible(false);
    LabelWeiter.setVisible(true);
    exerciserun.awaitingclick = false;
    app().moment("answer");
}

void FormKartino::drawanswermark() {
    ExerciseRun &exerciserun = s_.exerciserun;
    const common::ScreenMetrics &sc = s_.shared.screen;
    const int arm = pixel(common::scalex(sc, 5));
    exerciserun.markx = exerciserun.clickx;
    exerciserun.marky = exerciserun.clicky;
    exerciserun.markleft =
        static_cast<std::int16_t>(common::fnmax(exerciserun.markx - arm, pixel(common::screenx(sc, 0))));
    exerciserun.markright = static_cast<std::int16_t>(
        common::fnmin(exerciserun.markx + arm, pixel(common::screenx(sc, common::maxdesignx))));
    exerciserun.marktop =
        static_cast<std::int16_t>(common::fnmax(exerciserun.marky - arm, pixel(common::screeny(sc, 0))));
    exerciserun.markbottom = static_cast<std::int16_t>(
        common::fnmin(exerciserun.marky + arm, pixel(common::screeny(sc, common::maxdesigny))));
    const int w = s_.task.markboxw, h = s_.task.markboxh;
    ui::BitBlt(Picturespal, 0, 0, w, h, *this, exerciserun.markleft, exerciserun.marky);
    ui::BitBlt(Picturezeil, 0, 0, w, h, *this, exerciserun.markx, exerciserun.marktop);
    const std::uint32_t colour = common::palcolor(s_.shared, kCrossColour);
    Line(gfx::PenPoint{static_cast<double>(exerciserun.markleft), static_cast<double>(exerciserun.marky)},
         gfx::PenPoint{exerciserun.markright + 1.0, static_cast<double>(exerciserun.marky)}, colour);
    Line(gfx::PenPoint{static_cast<double>(exerciserun.markx), static_cast<double>(exerciserun.marktop)},
         gfx::PenPoint{static_cast<double>(exerciserun.markx), exerciserun.markbottom + 1.0}, colour);
}

void FormKartino::eraseanswermark() {
    const ExerciseRun &exerciserun = s_.exerciserun;
    const int w = s_.task.markboxw, h = s_.task.markboxh;
    ui::BitBlt(*this, exerciserun.markleft, exerciserun.marky, w, h, Picturespal, 0, 0);
    ui::BitBlt(*this, exerciserun.markx, exerciserun.marktop, w, h, Picturezeil, 0, 0);
}

} // namespace kartino::exercise
