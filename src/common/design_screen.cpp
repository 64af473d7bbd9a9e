#include "common/design_screen.hpp"

namespace kartino::common {

double scalex(const ScreenMetrics &s, double v) {
    return v * s.areawidth / 640;
}
double scaley(const ScreenMetrics &s, double v) {
    return v * s.areaheight / 480;
}

double screenx(const ScreenMetrics &s, double v) {
    return v * s.areawidth / 640 + (static_cast<double>(s.screenwidth) - s.areawidth) / 2;
}
double screeny(const ScreenMetrics &s, double v) {
    return v * s.areaheight / 480 + (static_cast<double>(s.screenheight) - s.areaheight) / 2;
}

double ctlscalex(const ScreenMetrics &s, double v) {
    return v * (96.0 / s.dpix) * s.areawidth / 640;
}
double ctlscaley(const ScreenMetrics &s, double v) {
    return v * (96.0 / s.dpiy) * s.areaheight / 480;
}

double ctlscreenx(const ScreenMetrics &s, double v) {
    return ctlscalex(s, v) + (static_cast<double>(s.screenwidth) - s.areawidth) / 2;
}
double ctlscreeny(const ScreenMetrics &s, double v) {
    return ctlscaley(s, v) + (static_cast<double>(s.screenheight) - s.areaheight) / 2;
}

double designx(const ScreenMetrics &s, double x) {
    return (x - (static_cast<double>(s.screenwidth) - s.areawidth) / 2) * 640 / s.areawidth;
}
double designy(const ScreenMetrics &s, double y) {
    return (y - (static_cast<double>(s.screenheight) - s.areaheight) / 2) * 480 / s.areaheight;
}

void clamparea(ScreenMetrics &s) {
    if (s.areawidth == -1 || s.areawidth > s.screenwidth) s.areawidth = s.screenwidth;
    if (s.areaheight == -1 || s.areaheight > s.screenheight) s.areaheight = s.screenheight;
}

} // namespace kartino::common
