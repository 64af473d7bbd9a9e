#include "platform/gfx/png.hpp"
#include "support/golden.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace kartino::testkit {
namespace {

namespace fs = std::filesystem;

// Each test in a folder of its own: the tests run as parallel processes.
struct GoldenFiles : ::testing::Test {
    TempDir scratch;
    fs::path dir = scratch.path();
    void SetUp() override { unsetenv("KARTINO_UPDATE_GOLDEN"); }
    std::string ref() const { return (dir / "ref.png").string(); }
    std::string actual() const { return (dir / "case-actual.png").string(); }
};

TEST_F(GoldenFiles, EqualPicturesPassWithoutWritingAnything) {
    gfx::Surface s(3, 2, gfx::rgb(1, 2, 3));
    gfx::writePng(ref(), s);
    EXPECT_TRUE(matchesReference(s, ref(), actual()));
    EXPECT_FALSE(fs::exists(actual()));
}

TEST_F(GoldenFiles, AMismatchNamesThePixelAndWritesTheActualPicture) {
    gfx::Surface s(3, 2, gfx::rgb(1, 2, 3));
    gfx::writePng(ref(), s);
    s.set(2, 1, gfx::rgb(255, 0, 0));
    auto result = matchesReference(s, ref(), actual());
    EXPECT_FALSE(result);
    EXPECT_NE(std::string(result.message()).find("1 pixel(s) differ"), std::string::npos) << result.message();
    EXPECT_NE(std::string(result.message()).find("(2, 1)"), std::string::npos);
    ASSERT_TRUE(fs::exists(actual()));
    EXPECT_EQ(gfx::readPng(actual()).at(2, 1), gfx::rgb(255, 0, 0));
}

TEST_F(GoldenFiles, MissingReferenceOrOtherSizeFails) {
    gfx::Surface s(3, 2);
    EXPECT_FALSE(matchesReference(s, ref(), actual()));
    gfx::writePng(ref(), gfx::Surface(2, 2));
    EXPECT_FALSE(matchesReference(s, ref(), actual()));
}

TEST_F(GoldenFiles, UpdateSwitchRewritesTheReference) {
    gfx::Surface s(3, 2, gfx::rgb(9, 9, 9));
    setenv("KARTINO_UPDATE_GOLDEN", "1", 1);
    std::string nested = (dir / "sub" / "ref.png").string();
    EXPECT_TRUE(matchesReference(s, nested, actual()));
    unsetenv("KARTINO_UPDATE_GOLDEN");
    EXPECT_TRUE(matchesReference(s, nested, actual()));
}

} // namespace
} // namespace kartino::testkit
