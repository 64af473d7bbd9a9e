#pragma once
// Drawing the exercise's map on a form and fixing the geometry the tasks need (the map centre,
// the map rectangle, the message row, the read-back target colours), with the graticule of the
// world and regional maps. The exercise form and the demonstration form each run it once, when
// they are first shown, before the place list is loaded.
#include "platform/ui/form.hpp"
#include "session/session.hpp"

#include <cstdint>

namespace kartino::content {

// Scale codes of the map header.
inline constexpr std::int16_t kWorldMap = -1;
inline constexpr std::int16_t kRegionalMap = -2;

// The map centre before the header's shifts: x 320, y by scale code (240 regional, 246 world,
// 256 for other maps).
inline constexpr std::int32_t kMapCentreX = 320;
std::int32_t framecentrey(std::int16_t mapscale);

// The three optional layers at the end of a map: whether record `record` of the records 0..last
// is left out under the header switches "/r", "/b", "/d" and the exercise flag bits 11 to 13.
bool layerskipped(int record, int last, const MapGeometry &map, const session::Settings &settings);

// The map set-up: frame, centre shift, header switches, the records, the read-back colours and
// the exchange of shuffleflag and shuffletaken, the map rectangle, the line above the map, the
// message row and the graticule. Coordinates beyond 16 bits raise the overflow error.
void mapsetup(session::Session &s, ui::Form &form);

// The graticule when exercise flag bit 11 is set: ticks, equator and meridian with degree
// labels on the world map; meridian, parallel and ticks on the regional map.
void drawgraticule(session::Session &s, ui::Form &form);

} // namespace kartino::content
