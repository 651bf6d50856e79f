#include <mydb/MyDbFieldCheck.h>

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

struct NumberCase {
    std::string text;
    int minimum, maximum, maxLength;
    bool passes;
};

class MyDbNumberCheckTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(MyDbNumberCheckTest, ReadsTheLeadingValueLikeAtoi) {
    const NumberCase& c = GetParam();
    EXPECT_EQ(MyDbFieldCheck::NumberCheck(c.text, c.minimum, c.maximum, c.maxLength), c.passes)
        << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, MyDbNumberCheckTest,
    ::testing::Values(NumberCase{"1", 1, 99, 2, true}, NumberCase{"99", 1, 99, 2, true},
                      NumberCase{"05", 1, 99, 2, true}, NumberCase{"0", 1, 99, 2, false},
                      NumberCase{"100", 1, 99, 2, false}, NumberCase{"", 1, 99, 2, false},
                      NumberCase{" 7", 1, 99, 2, true}, NumberCase{"7x", 1, 99, 2, true},
                      NumberCase{"x7", 1, 99, 2, false}, NumberCase{"-3", -5, 5, 2, true},
                      NumberCase{"+4", 1, 9, 2, true},
                      NumberCase{std::string(40, '9'), 0, INT_MAX, 100, false}));

struct YearCase {
    std::string text;
    bool passes;
};

class MyDbYearCheckTest : public ::testing::TestWithParam<YearCase> {};

TEST_P(MyDbYearCheckTest, AdmitsFourDigitYearsAndTheNoValueForms) {
    EXPECT_EQ(MyDbFieldCheck::YearCheck(GetParam().text), GetParam().passes)
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, MyDbYearCheckTest,
    ::testing::Values(YearCase{"", true}, YearCase{"0", true}, YearCase{" ", true},
                      YearCase{"1000", true}, YearCase{"1999", true}, YearCase{"9999", true},
                      YearCase{"999", false}, YearCase{"10000", false}, YearCase{"0000", false},
                      YearCase{"00", false}, YearCase{"  ", false}, YearCase{"199a", false},
                      YearCase{" 199", false},
                      YearCase{"\x82\x50\x82\x58\x82\x58\x82\x58", false}));  // full-width

TEST(MyDbFieldCheck, TextWithAnEmbeddedNulIsNeverAdmitted) {
    EXPECT_TRUE(MyDbFieldCheck::Admits("12", 16, 0, 1, 0));
    EXPECT_FALSE(MyDbFieldCheck::Admits(std::string("1\0"
                                                    "2",
                                                    3),
                                        16, 0, 1, 0));
}

TEST(MyDbFieldCheck, ReadDecimalTellsNoNumberFromZero) {
    EXPECT_EQ(MyDbFieldCheck::ReadDecimal("0"), 0);
    EXPECT_EQ(MyDbFieldCheck::ReadDecimal(" 12abc"), 12);
    EXPECT_FALSE(MyDbFieldCheck::ReadDecimal("abc").has_value());
    EXPECT_FALSE(MyDbFieldCheck::ReadDecimal("-").has_value());
    EXPECT_FALSE(MyDbFieldCheck::ReadDecimal("").has_value());
}

}  // namespace
