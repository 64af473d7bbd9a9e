#include "content/place_marks.hpp"

#include "common/design_screen.hpp"
#include "common/palette.hpp"

namespace kartino::content {

void markplace(session::Session &s, ui::Form &form, std::int32_t x, std::int32_t y, std::int16_t colour) {
    const common::ScreenMetrics &sc = s.shared.screen;
    gfx::PenPoint centre{common::screenx(sc, x), common::screeny(sc, y)};
    double radius = common::scalex(sc, s.settings.exerciseparam2.toDouble());
    form.setFillStyle(0);
    form.setFillColor(common::palcolor(s.shared, colour));
    form.Circle(centre, radius, common::palcolor(s.shared, colour));
    form.setFillStyle(1);
    form.Circle(centre, radius, common::palcolor(s.shared, 8));
}

} // namespace kartino::content
