// The sample data set of examples/ reads through every reader without a report.
#include "common/charset.hpp"
#include "common/palette.hpp"
#include "common/palette_composer.hpp"
#include "support/fake_services.hpp"
#include "vecgraphics/vector_reader.hpp"

#include <gtest/gtest.h>

using namespace kartino;

TEST(SampleData, ReadsWithoutAReport) {
    testkit::FakeServices f;
    const std::string sample = std::string(KARTINO_TEST_DATA) + "/../../examples/sample/";
    f.shared.settingspaths[common::kDataFolder] = sample + "daten/"; // other letter case than on disk
    f.shared.settingspaths[common::kLanguageName] = "DEUTSCH";
    common::readpal64(f.services, f.shared);
    EXPECT_NE(f.shared.pal64[15], common::RGBTriple{});
    EXPECT_GE(common::ReadCharset(f.services, f.shared), 0);
    vecgraphics::VectorTables vectors;
    vectors.itemcount =
        vecgraphics::fngrafin(f.services, f.shared, vectors, {}, sample + "karten/europa.vec", 0, 200);
    EXPECT_GT(vectors.itemcount, 0);
    EXPECT_NE(vectors.headerline.find('<'), std::string::npos);
    common::composepalette(f.shared, vectors.headerline);
    EXPECT_TRUE(f.msgbox.boxes.empty());
    EXPECT_EQ(f.errorLog(), "<missing>");
}
