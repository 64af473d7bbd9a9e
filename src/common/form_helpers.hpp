#pragma once
// Drawing helpers every form uses: the painted close box over its LabelCancel control and the
// flood fill by colour numbers of the working palette.
#include "common/services.hpp"
#include "platform/ui/control.hpp"
#include "platform/ui/form.hpp"

namespace kartino::common {

// Paints a raised button with a two-pixel cross over the control that receives the close click.
void drawcancelbox(ui::Form &form, const ui::Control &LabelCancel);

// Fills, from (x, y), the region bounded by the border colour number with the fill colour number.
void floodarea(ui::Form &form, const Shared &sh, int x, int y, int fillcolour, int bordercolour);

} // namespace kartino::common
