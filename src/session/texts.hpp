#pragma once
// Every text the trainee sees: the numbered instruction texts of the language file "prb", its
// lists, and the lines built for the instruction screen.
#include <array>
#include <string>

namespace kartino::session {

struct Texts {
    std::string prbheader1, prbheader2;
    std::array<std::string, 77> text{};             // instruction texts 0..76
    std::array<std::string, 21> instructionlist{};  // 1..13 used
    std::array<std::string, 21> helptexts{};        // 1..4 used
    std::array<std::string, 21> repeattexts{};      // 1..5 used
    std::array<std::string, 101> instructionlines{}; // 1.. up to the entry "*"
};

} // namespace kartino::session
