#include <gtest/gtest.h>

#include <clocale>

#include "numbers/number_text.h"

namespace orvexal {
namespace {

struct LeadingCase {
    const char* text;
    double value;
};

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfTheText)
{
    const LeadingCase cases[] = {
        {"122.50514", 122.50514}, {"-.5", -0.5},      {"8 h", 8},        {"abc", 0},
        {"", 0},                  {"1.2.3", 1.2},     {" 1 2 3", 123},   {"\t-\n7", -7},
        {"+4.5", 4.5},            {"2.5E3", 2500},    {"2.5d-1", 0.25},  {"3e", 3},
        {"3e+", 3},               {"1.5x7", 1.5},     {".", 0},          {"-", 0},
        {"122.50514abc", 122.50514}, {"1e-400", 0},   {"7,5", 7},        {"2000.0", 2000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LeadingNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(LeadingNumber, NumberBeyondTheDoubleRangeIsAnOverflow)
{
    try {
        LeadingNumber("1e400");
        FAIL() << "no fault";
    } catch (const ArithmeticFault& fault) {
        EXPECT_EQ(fault.Kind(), FaultKind::Overflow);
    }
}

TEST(LeadingNumber, PointIsTheSeparatorWhateverTheLocale)
{
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        std::setlocale(LC_ALL, "C.UTF-8");
    }
    EXPECT_EQ(LeadingNumber("2.5"), 2.5);
    EXPECT_EQ(GeneralText(2.5), " 2.5");
    std::setlocale(LC_ALL, before.c_str());
}

struct TextCase {
    double value;
    const char* general;
    const char* plain;
};

TEST(GeneralText, DoubleKeepsFifteenDigitsAndTheSignPosition)
{
    const TextCase cases[] = {
        {0.5, " .5", "0.5"},
        {-0.5, "-.5", "-0.5"},
        {2000, " 2000", "2000"},
        {0, " 0", "0"},
        {-0.0, " 0", "0"},
        {122.50514, " 122.50514", "122.50514"},
        {2451545.123456789, " 2451545.12345679", "2451545.12345679"},
        {static_cast<double>(20.4058f), " 20.4057998657227", "20.4057998657227"},
        {1e-5, " 1E-05", "1E-05"},
        {1e15, " 1E+15", "1E+15"},
        {123456789012345.0, " 123456789012345", "123456789012345"},
        {0.0001, " .0001", "0.0001"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GeneralText(c.value), c.general) << c.value;
        EXPECT_EQ(PlainText(c.value), c.plain) << c.value;
    }
}

TEST(GeneralText, SingleKeepsSevenDigits)
{
    EXPECT_EQ(GeneralText(20.4058f), " 20.4058");
    EXPECT_EQ(GeneralText(20.5959968f), " 20.596");
    EXPECT_EQ(GeneralText(-22.132f), "-22.132");
    EXPECT_EQ(GeneralText(0.000791f), " .000791");
    EXPECT_EQ(GeneralText(0.0000791f), " 7.91E-05");
}

TEST(PlainText, SixteenBitIntegers)
{
    EXPECT_EQ(PlainText(Int16{8}), "8");
    EXPECT_EQ(PlainText(Int16{-5}), "-5");
}

TEST(GeneralText, SmallMagnitudesInPlainDigitsWhereAsked)
{
    EXPECT_EQ(GeneralTextNoSmallExponent(6.2e-5), " .000062");
    EXPECT_EQ(GeneralTextNoSmallExponent(-3e-7), "-.0000003");
    EXPECT_EQ(GeneralTextNoSmallExponent(1e15), " 1E+15");
    EXPECT_EQ(GeneralTextNoSmallExponent(0.25), " .25");
    EXPECT_EQ(GeneralTextNoSmallExponent(-6.001696e-05f), "-.00006001696");
}

}  // namespace
}  // namespace orvexal
