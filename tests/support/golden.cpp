#include "support/golden.hpp"

#include "platform/gfx/png.hpp"

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace kartino::testkit {
namespace {

bool updating() {
    const char *v = std::getenv("KARTINO_UPDATE_GOLDEN");
    return v != nullptr && std::string(v) == "1";
}

std::string hex(gfx::Colour c) {
    std::ostringstream out;
    out << "&H" << std::hex << std::uppercase << (c & 0xFFFFFF);
    return out.str();
}

::testing::AssertionResult failWithActual(const gfx::Surface &actual, const std::string &actualPath,
                                          const std::string &why) {
    std::string note;
    try {
        gfx::writePng(actualPath, actual);
        note = "; actual picture written to " + std::filesystem::absolute(actualPath).string();
    } catch (const gfx::ImageError &e) {
        note = std::string("; could not write the actual picture: ") + e.what();
    }
    return ::testing::AssertionFailure()
           << why << note << " (run with KARTINO_UPDATE_GOLDEN=1 to accept it as the reference)";
}

} // namespace

std::string goldenPath(const std::string &name) {
    return std::string(KARTINO_GOLDEN_DIR) + "/" + name + ".png";
}

::testing::AssertionResult matchesGolden(const gfx::Surface &actual, const std::string &name) {
    std::string flat = name;
    for (char &ch : flat)
        if (ch == '/' || ch == '\\') ch = '-';
    return matchesReference(actual, goldenPath(name), flat + "-actual.png");
}

::testing::AssertionResult matchesReference(const gfx::Surface &actual, const std::string &referencePath,
                                            const std::string &actualPath) {
    if (updating()) {
        std::filesystem::create_directories(std::filesystem::path(referencePath).parent_path());
        gfx::writePng(referencePath, actual);
        return ::testing::AssertionSuccess() << "reference rewritten: " << referencePath;
    }
    gfx::Surface expected;
    try {
        expected = gfx::readPng(referencePath);
    } catch (const gfx::ImageError &e) {
        return failWithActual(actual, actualPath, std::string("no readable reference picture: ") + e.what());
    }
    if (expected.width() != actual.width() || expected.height() != actual.height()) {
        std::ostringstream why;
        why << "size " << actual.width() << "x" << actual.height() << " differs from the reference "
            << expected.width() << "x" << expected.height() << " (" << referencePath << ")";
        return failWithActual(actual, actualPath, why.str());
    }
    long long differing = 0;
    int firstX = -1, firstY = -1;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if ((actual.at(x, y) & 0xFFFFFF) != expected.at(x, y)) {
                if (differing++ == 0) firstX = x, firstY = y;
            }
    if (differing == 0) return ::testing::AssertionSuccess();
    std::ostringstream why;
    why << differing << " pixel(s) differ from " << referencePath << "; first at (" << firstX << ", "
        << firstY << "): actual " << hex(actual.at(firstX, firstY)) << ", expected "
        << hex(expected.at(firstX, firstY));
    return failWithActual(actual, actualPath, why.str());
}

} // namespace kartino::testkit
