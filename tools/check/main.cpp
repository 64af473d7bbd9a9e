// kartino-check: checks an exercise data set the way the program reads it.
#include "checker.hpp"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char **argv) {
    return kartino::check::run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
