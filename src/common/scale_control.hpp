#pragma once
// Placing a control designed on the 640 x 480 design screen at 96 pixels per inch on the real
// screen: position, size and font size through the ctl... conversions, and the font's
// character set from the charset file.
#include "common/services.hpp"
#include "platform/ui/control.hpp"

namespace kartino::common {

// A design rectangle of a control: x, y, width, height in design units.
struct DesignRect {
    int x = 0, y = 0, width = 0, height = 0;
};

// Whole form pixels of a computed position or extent (halves to even).
int topixels(double v);

// Left, Top, Width, Height, FontSize and Font.Charset of a control that holds its design values.
void scalecontrol(const Shared &shared, ui::Control &control);

// Gives the control its design rectangle (before scalecontrol).
void placeindesign(ui::Control &control, const DesignRect &r);

// Makes a label as wide and high as `caption` needs in its font (it never shrinks), so that no
// caption from the data is cut; a label that would then reach past `rightlimit` (form pixels) is
// moved left to end there. The designed sizes assume short captions in a small font.
void fitcaption(ui::Control &label, const std::string &caption, int rightlimit);

} // namespace kartino::common
