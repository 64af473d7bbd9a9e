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
    const common::ScreenMetrics &sc = s_.sh.screen;
    const content::MapGeometry &m = s_.map;
    return common::screenx(sc, m.mapleft) <= x && x <= common::screenx(sc, m.mapright) &&
           common::screeny(sc, m.maptop) <= y && y <= common::screeny(sc, m.mapbottom);
}

void FormKartino::savecross(double x, double y) {
    const ExerciseRun &ex = s_.ex;
    ui::BitBlt(Picturemaus, 0, 0, pixel(ex.crossboxw), pixel(ex.crossboxh), *this, pixel(x - ex.crossarm),
               pixel(y - ex.crossarm));
}

void FormKartino::restorecross() {
    const ExerciseRun &ex = s_.ex;
    ui::BitBlt(*this, pixel(ex.crossx - ex.crossarm), pixel(ex.crossy - ex.crossarm), pixel(ex.crossboxw),
               pixel(ex.crossboxh), Picturemaus, 0, 0);
}

void FormKartino::drawcross(double x, double y) {
    const std::uint32_t colour = common::palcolor(s_.sh, kCrossColour);
    const double arm = s_.ex.crossarm;
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
    ExerciseRun &ex = s_.ex;
    const ui::ScreenPoint at = app().GetCursorPos();
    ex.crossx = at.x;
    ex.crossy = at.y;
    savecross(ex.crossx, ex.crossy);
    ex.systemcursor = !inmap(ex.crossx, ex.crossy);
    if (ex.systemcursor)
        showsystemcursor();
    else
        hidesystemcursor();
}

void FormKartino::Form_MouseMove(int, int, float X, float Y) {
    ExerciseRun &ex = s_.ex;
    if (!ex.awaitingclick) return;
    if (inmap(X, Y)) {
        if (ex.systemcursor) {
            ex.systemcursor = false;
            hidesystemcursor();
        } else {
            restorecross();
        }
        savecross(X, Y);
        drawcross(X, Y);
        ex.crossx = X;
        ex.crossy = Y;
    } else if (!ex.systemcursor) {
        ex.systemcursor = true;
        showsystemcursor();
        restorecross();
    }
}

void FormKartino::Form_MouseDown(int, int, float X, float Y) {
    ExerciseRun &ex = s_.ex;
    if (!ex.awaitingclick) return;
    ex.clickx = basic::CInt(X);
    ex.clicky = basic::CInt(Y);
    if (!inmap(ex.clickx, ex.clicky)) return;
    const bool colourtest = s_.settings.colourhitmode || (s_.task.pointmode && !s_.task.pointtarget);
    // The cross-hair goes first, so that it hides neither the map colour nor the answer mark.
    if (!ex.systemcursor) restorecross();
    if (colourtest) {
        const std::uint32_t colour = static_cast<std::uint32_t>(Point(ex.clickx, ex.clicky));
        if (colour != s_.map.targetcolour1 && colour != s_.map.targetcolour2) {
            app().sndPlaySound(s_.settings.warnsound);
            if (!ex.systemcursor) drawcross(ex.crossx, ex.crossy);
            return;
        }
    }
    evaluateanswer();
    CommandHilf.setVisible(false);
    LabelWeiter.setVisible(true);
    ex.awaitingclick = false;
    app().moment("answer");
}

void FormKartino::drawanswermark() {
    ExerciseRun &ex = s_.ex;
    const common::ScreenMetrics &sc = s_.sh.screen;
    const int arm = pixel(common::scalex(sc, 5));
    ex.markx = ex.clickx;
    ex.marky = ex.clicky;
    ex.markleft = static_cast<std::int16_t>(common::fnmax(ex.markx - arm, pixel(common::screenx(sc, 0))));
    ex.markright = static_cast<std::int16_t>(
        common::fnmin(ex.markx + arm, pixel(common::screenx(sc, common::maxdesignx))));
    ex.marktop = static_cast<std::int16_t>(common::fnmax(ex.marky - arm, pixel(common::screeny(sc, 0))));
    ex.markbottom = static_cast<std::int16_t>(
        common::fnmin(ex.marky + arm, pixel(common::screeny(sc, common::maxdesigny))));
    const int w = s_.task.markboxw, h = s_.task.markboxh;
    ui::BitBlt(Picturespal, 0, 0, w, h, *this, ex.markleft, ex.marky);
    ui::BitBlt(Picturezeil, 0, 0, w, h, *this, ex.markx, ex.marktop);
    const std::uint32_t colour = common::palcolor(s_.sh, kCrossColour);
    Line(gfx::PenPoint{static_cast<double>(ex.markleft), static_cast<double>(ex.marky)},
         gfx::PenPoint{ex.markright + 1.0, static_cast<double>(ex.marky)}, colour);
    Line(gfx::PenPoint{static_cast<double>(ex.markx), static_cast<double>(ex.marktop)},
         gfx::PenPoint{static_cast<double>(ex.markx), ex.markbottom + 1.0}, colour);
}

void FormKartino::eraseanswermark() {
    const ExerciseRun &ex = s_.ex;
    const int w = s_.task.markboxw, h = s_.task.markboxh;
    ui::BitBlt(*this, ex.markleft, ex.marky, w, h, Picturespal, 0, 0);
    ui::BitBlt(*this, ex.markx, ex.marktop, w, h, Picturezeil, 0, 0);
}

} // namespace kartino::exercise
