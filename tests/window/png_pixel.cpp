// Prints the colour of one pixel of a PNG as "R,G,B", read with the program's own PNG reader, so
// that the shell tests need no image tool of the machine.
//   kartino-png-pixel FILE.png X Y
#include "platform/gfx/png.hpp"

#include <cstdio>
#include <cstdlib>
#include <exception>

int main(int argc, char **argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: kartino-png-pixel FILE.png X Y\n");
        return 2;
    }
    try {
        const kartino::gfx::Surface picture = kartino::gfx::readPng(argv[1]);
        const int x = std::atoi(argv[2]), y = std::atoi(argv[3]);
        if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height()) {
            std::fprintf(stderr, "kartino-png-pixel: %d,%d lies outside the %dx%d picture\n", x, y,
                         picture.width(), picture.height());
            return 1;
        }
        const kartino::gfx::Colour c = picture.row(y)[x];
        std::printf("%d,%d,%d\n", kartino::gfx::redOf(c), kartino::gfx::greenOf(c), kartino::gfx::blueOf(c));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "kartino-png-pixel: %s\n", e.what());
        return 1;
    }
    return 0;
}
