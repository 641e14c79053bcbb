#include <gtest/gtest.h>

#include <cmath>

#include "astro/heliocentric.h"
#include "numbers/fixed_format.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

struct CorrectionCase {
    double daysIntoYear;
    double raHours;
    double decDegrees;
    double correction;
    const char* text;
};

TEST(HeliocentricCorrection, WorkedValuesAndTheirTexts)
{
    const double yearStart = 2460310.5;
    const CorrectionCase cases[] = {
        {0, 0, 0, -0.00101085, " -.00101"},
        {0, 6, 0, 0.00512008, "  .00512"},
        {182.5, 0, 0, 0.00105973, "  .00106"},
    };
    for (const auto& c : cases) {
        const double correction = HeliocentricCorrection(
            yearStart + c.daysIntoYear, yearStart, c.raHours * 15 / kDegreesPerRadian,
            c.decDegrees / kDegreesPerRadian);
        EXPECT_NEAR(correction, c.correction, 5e-9);
        EXPECT_EQ(FormatFixed(correction, 8, 5), c.text);
    }
}

TEST(HeliocentricCorrection, EclipticPoleIsTinyAndShownAsZero)
{
    const double correction =
        HeliocentricCorrection(2460310.5, 2460310.5, 18 * 15 / kDegreesPerRadian, 66.56 / kDegreesPerRadian);
    EXPECT_LT(std::fabs(correction), 1e-5);
    EXPECT_EQ(FormatFixed(correction, 8, 5).find('E'), std::string::npos);
}

}  // namespace
}  // namespace orvexal
