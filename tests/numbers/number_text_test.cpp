#include <gtest/gtest.h>

#include <clocale>
#include <cstring>

#include "numbers/number_text.h"

namespace orvexal {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfTheText)
{
    const std::pair<const char*, double> cases[] = {
        {"122.50514abc", 122.50514}, {"-.5", -0.5}, {"abc", 0},    {"", 0},          {"1.2.3", 1.2},
        {" 1 2 3", 123},             {"\t-\n7", -7}, {"+4.5", 4.5}, {"2.5E3", 2500},   {"2.5d-1", 0.25},
        {"3e+", 3},                  {"-.", 0},      {"7,5", 7},    {"1e-400", 0},     {"-inf", 0},
        {"nan", 0},                  {"1-2", 1},     {"12e3 4", 1.2e35}, {" 2.5E3", 2500}, {"2.5 e-1", 0.25},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(LeadingNumber(text), value) << '"' << text << '"';
    }
    EXPECT_THROW(LeadingNumber("1e400"), ArithmeticFault);
}

// A decimal comma locale must not change the texts. The machine needs one:
// tools/install-deps generates de_DE.UTF-8.
TEST(LeadingNumber, PointIsTheSeparatorWhateverTheLocale)
{
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr || std::strcmp(std::localeconv()->decimal_point, ",") != 0) {
        std::setlocale(LC_ALL, before.c_str());
        GTEST_SKIP() << "no locale with a decimal comma (de_DE.UTF-8) on this machine";
    }
    const std::pair<double, std::string> read{LeadingNumber("2.5"), GeneralText(2.5)};
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_EQ(read, std::pair(2.5, std::string(" 2.5")));
}

// General text: the sign position, no zero before the point, 15 digits for
// a double (a widened single shows its rounding), 7 for a single, exponent
// form outside 1E-04 .. 1E+15; the plain text without the sign blank.
TEST(GeneralText, KeepsItsDigitsAndTheSignPosition)
{
    const std::tuple<double, const char*, const char*> cases[] = {
        {0.5, " .5", "0.5"}, {-0.5, "-.5", "-0.5"}, {-0.0, " 0", "0"}, {1e-5, " 1E-05", "1E-05"},
        {0.0001, " .0001", "0.0001"}, {1e15, " 1E+15", "1E+15"},
        {123456789012345.0, " 123456789012345", "123456789012345"},
        {2451545.123456789, " 2451545.12345679", "2451545.12345679"},
        {static_cast<double>(20.4058f), " 20.4057998657227", "20.4057998657227"},
        // Rounding of the exact binary value: ties to the even digit, a carry
        // into the next power of ten, the digits just below one, and values
        // beyond 1e19 and 1e-19.
        {1234567890123455.0, " 1.23456789012346E+15", "1.23456789012346E+15"},
        {1234567890123445.0, " 1.23456789012344E+15", "1.23456789012344E+15"},
        {9.9999999999999995, " 10", "10"}, {999999.99999999895, " 999999.999999999", "999999.999999999"},
        {9.999999999999991e-05, " 9.99999999999999E-05", "9.99999999999999E-05"},
        {-1e300, "-1E+300", "-1E+300"}, {5e-324, " 4.94065645841247E-324", "4.94065645841247E-324"},
    };
    for (const auto& [value, general, plain] : cases) {
        EXPECT_EQ(GeneralText(value), general) << value;
        EXPECT_EQ(PlainText(value), plain) << value;
    }
    const std::pair<float, const char*> singles[] = {
        {20.4058f, " 20.4058"}, {20.5959968f, " 20.596"}, {-0.000791f, "-.000791"}, {0.0000791f, " 7.91E-05"},
        {12345665.0f, " 1.234566E+07"}, {12345675.0f, " 1.234568E+07"}, {9999999.5f, " 1E+07"},
    };
    for (const auto& [value, text] : singles) {
        EXPECT_EQ(GeneralText(value), text) << value;
    }
    EXPECT_EQ(GeneralTextNoSmallExponent(-3e-7), "-.0000003");
    EXPECT_EQ(GeneralTextNoSmallExponent(1e15), " 1E+15");
    EXPECT_EQ(GeneralTextNoSmallExponent(-6.001696e-05f), "-.00006001696");
}

}  // namespace
}  // namespace orvexal
