#pragma once
// Drawing helpers every form uses: the painted close box over its LabelCancel control and the
// flood fill by colour numbers of the working palette.
#include "common/services.hpp"
#include "platform/ui/control.hpp"
#include "platform/ui/form.hpp"
#include "platform/ui/system_colours.hpp"

namespace kartino::common {

// The rectangle of a control in whole form pixels, both corners inside.
struct ButtonRect {
    int L = 0, T = 0, R = 0, B = 0;
};
ButtonRect buttonrect(const ui::Control &control);

// A line in a system colour.
void systemline(ui::Form &form, int x1, int y1, int x2, int y2, ui::SystemColour c);

// The face of a push button and its raised 3-D edges, as painted buttons show them.
void drawbuttonface(ui::Form &form, const ButtonRect &r);
void drawraisededges(ui::Form &form, const ButtonRect &r);

// Paints a raised button with a two-pixel cross over the control that receives the close click.
void drawcancelbox(ui::Form &form, const ui::Control &LabelCancel);

// Fills, from (x, y), the region bounded by the border colour number with the fill colour number.
void floodarea(ui::Form &form, const Shared &shared, int x, int y, int fillcolour, int bordercolour);

} // namespace kartino::common
