#pragma once
// Golden-picture comparison for tests that draw on a Surface.
//
//   EXPECT_TRUE(kartino::testkit::matchesGolden(surface, "gfx/arcs"));
//
// compares `surface` pixel by pixel with tests/data/golden/gfx/arcs.png. On a mismatch it writes
// the actual picture as gfx-arcs-actual.png into the test's working directory (the build folder)
// and fails with the first differing pixel and the number of differing pixels. With the
// environment variable KARTINO_UPDATE_GOLDEN=1 the reference is (re)written from the surface
// instead and the comparison passes, so references can be reviewed as ordinary file changes.
#include "platform/gfx/surface.hpp"

#include <gtest/gtest.h>

#include <string>

namespace kartino::testkit {

// The reference of golden picture `name` (tests/data/golden/NAME.png).
std::string goldenPath(const std::string &name);

::testing::AssertionResult matchesGolden(const gfx::Surface &actual, const std::string &name);

// The same with explicit files: the reference to compare with and where to write the actual
// picture on a mismatch.
::testing::AssertionResult matchesReference(const gfx::Surface &actual, const std::string &referencePath,
                                            const std::string &actualPath);

} // namespace kartino::testkit
