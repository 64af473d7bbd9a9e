#include "platform/basic/errors.hpp"
#include "platform/basic/integer.hpp"
#include "platform/basic/variant.hpp"

#include <gtest/gtest.h>

using namespace kartino::basic;

TEST(Integer, OverflowsInsteadOfWrapping) {
    Integer a = 32767;
    EXPECT_THROW(a + Integer(1), RuntimeError);
    try {
        a += Integer(1);
        FAIL();
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.number(), errOverflow);
    }
    EXPECT_EQ(a.value(), 32767); // unchanged after the failed assignment
    Integer b = -32768;
    EXPECT_THROW(--b, RuntimeError);
    EXPECT_THROW(-b, RuntimeError);
    EXPECT_THROW(Integer(2000) * Integer(365), RuntimeError); // 16-bit even when a Long is wanted
    EXPECT_EQ((Long(2000) * Long(365)).value(), 730000);
    EXPECT_EQ((Integer(-3) + Integer(5)).value(), 2);
}

TEST(Integer, DivisionTruncatesAndFailsOnZero) {
    EXPECT_EQ(intdiv(Integer(7), Integer(2)).value(), 3);
    EXPECT_EQ(intdiv(Integer(-7), Integer(2)).value(), -3);
    EXPECT_EQ(mod(Integer(-7), Integer(2)).value(), -1);
    EXPECT_THROW(intdiv(Integer(1), Integer(0)), RuntimeError);
    EXPECT_THROW(intdiv(Integer(-32768), Integer(-1)), RuntimeError);
}

TEST(Long, OverflowsAtThirtyTwoBits) {
    EXPECT_THROW(Long(2147483647) + Long(1), RuntimeError);
    EXPECT_EQ((Long(2147483646) + Long(1)).value(), 2147483647);
}

TEST(Variant, KeepsItsSubtype) {
    Variant v = std::int16_t{-999};
    EXPECT_EQ(v.type(), Variant::Type::Integer);
    EXPECT_EQ(v.writeItem(), "-999");
    v = std::int32_t{-99999};
    EXPECT_EQ(v.type(), Variant::Type::Long);
    v = 12.25;
    EXPECT_EQ(v.type(), Variant::Type::Double);
    EXPECT_EQ(v.writeItem(), "12.25");
    v = 0.5;
    EXPECT_EQ(v.writeItem(), ".5");
    v = "A";
    EXPECT_EQ(v.writeItem(), "\"A\"");
    EXPECT_EQ(Variant().writeItem(), "");
    EXPECT_EQ(Variant("12abc").toDouble(), 12);
}

TEST(Variant, NumbersReadIntoTheSmallestSubtype) {
    EXPECT_EQ(numericVariant("30").type(), Variant::Type::Integer);
    EXPECT_EQ(numericVariant("-40000").type(), Variant::Type::Long);
    EXPECT_EQ(numericVariant("3000000000").type(), Variant::Type::Double);
    EXPECT_EQ(numericVariant("2.0").type(), Variant::Type::Double);
    EXPECT_EQ(numericVariant("1E2").type(), Variant::Type::Double);
}
