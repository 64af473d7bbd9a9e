#pragma once
// Judging an accepted click: right or wrong in find mode, the kilometre error in distance mode,
// and the map projections the kilometres are measured on (the world map's banded latitude scale,
// the regional map's linear one, great-circle distance on a sphere of radius 6370 km).
#include "session/session.hpp"

#include <cstdint>

namespace kartino::exercise {

// World map: design y of a latitude (north positive), rounded to a whole design unit.
std::int16_t worldlat2y(float lat, float worldy0);
// World map: the southernmost half-degree latitude from -56 to 83 drawn above design y;
// 83.5 when y lies above latitude 83.
float worldy2lat(std::int16_t y, float worldy0);
// World map: longitude of design x, in -180..180 (a little beyond -180 at the right edge).
float worldx2lon(std::int16_t x, float worldx0);

// Regional map: longitude and latitude of a design position.
float regionx2lon(std::int16_t x);
float regiony2lat(std::int16_t y);

// The central angle in degrees (0..180) whose cosine is c. Cosines that rounding has pushed
// past +1 or -1 count as 0 and 180 degrees; c = 0 is the quarter circle, 90 degrees.
double arcdegrees(double c);
// Great-circle distance in kilometres between two points given in degrees; never negative.
float greatcircle(float lat1, float lon1, float lat2, float lon2);

// The kilometre distance of the click (form pixels) from the asked place, by the map's
// projection code: -1 world map, -2 regional map, otherwise the scaled design distance.
float kilometredistance(const session::Session &s, std::int16_t clickx, std::int16_t clicky);

// Find mode: the click at s.exerciserun.clickx/clicky, whose form pixel has colour `clickcolour`, is right
// when that is the asked place's colour or, for a point place in point mode, when it lies less
// than five design units (in pixels) from the place both across and down. Counts nothing.
bool judgefind(const session::Session &s, std::uint32_t clickcolour);

// Distance mode: measures the click at s.exerciserun.clickx/clicky into s.exerciserun.lastdeviation, adds its
// absolute value to s.exerciserun.deviationsum and sets s.exerciserun.answercorrect to whether the error is
// within five tolerance units (exerciseparam km, limit included). Returns answercorrect.
bool judgedistance(session::Session &s);

} // namespace kartino::exercise
