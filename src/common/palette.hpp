#pragma once
// The colour tables: the 64-colour table read from the palette file "stdvga64" in the data
// folder, and the working palette of colour numbers 0 to 16 that every drawing goes through.
#include "common/services.hpp"

#include <cstdint>
#include <string>

namespace kartino::common {

// CByte: rounds half to even; a value outside 0..255 after rounding is an overflow (6).
std::uint8_t CByte(double value);

// Reads "stdvga64" (settings entry 0 followed by the name) as file 2 into pal64 entries 0..63:
// line k holds red, green and blue of colour k, separated by ",". A missing file, fewer than 64
// lines or fields, or a component outside 0..255 is reported as "ModuleB:readpal64" and ends the
// session.
void readpal64(Services &services, Shared &shared);

// The same for a palette file of any name and folder (the render tool's choice of palette).
void readpalettefile(Services &services, Shared &shared, const std::string &file);

// The RGB value (0x00BBGGRR, as RGB() builds it) of working colour n; n outside 0..16 is the
// subscript error (9).
std::uint32_t palcolor(const Shared &shared, int n);

} // namespace kartino::common
