#pragma once
// The 640 x 480 design screen on which every form is laid out, and its conversion to the real
// screen: extents (scalex/scaley), centred positions (screenx/screeny), the same for controls
// whose designed sizes assume 96 pixels per inch (ctl...), and back (designx/designy).
#include <cstdint>

namespace kartino::common {

struct ScreenMetrics {
    double areawidth = 640;  // pixels that stand for the 640 design units
    double areaheight = 480; // pixels that stand for the 480 design units
    float screenwidth = 640; // the whole screen in pixels
    float screenheight = 480;
    std::int32_t dpix = 96; // logical pixels per inch
    std::int32_t dpiy = 96;
};

inline constexpr int maxdesignx = 639;
inline constexpr int maxdesigny = 479;

double scalex(const ScreenMetrics &s, double v);
double scaley(const ScreenMetrics &s, double v);
double screenx(const ScreenMetrics &s, double v);
double screeny(const ScreenMetrics &s, double v);
double ctlscalex(const ScreenMetrics &s, double v);
double ctlscaley(const ScreenMetrics &s, double v);
double ctlscreenx(const ScreenMetrics &s, double v);
double ctlscreeny(const ScreenMetrics &s, double v);
double designx(const ScreenMetrics &s, double x);
double designy(const ScreenMetrics &s, double y);

// The area is the settings' size unless that is -1 or larger than the screen.
void clamparea(ScreenMetrics &s);

} // namespace kartino::common
