#pragma once
// A form that shows the exercise's map (the exercise form or the demonstration form), with the
// controls the task presentation draws with: the save copy under a place's mark and the close
// box, which is painted again after the header is blanked.
#include "platform/ui/control.hpp"
#include "platform/ui/form.hpp"
#include "platform/ui/picture_box.hpp"

namespace kartino::content {

struct MapForm {
    ui::Form &form;
    ui::PictureBox &PictureSave;
    ui::Control &LabelCancel;
};

} // namespace kartino::content
