// kartino-render: draws a vector file into a PNG the way the exercise draws its map.
#include "render_lib.hpp"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char **argv) {
    return kartino::render::run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
