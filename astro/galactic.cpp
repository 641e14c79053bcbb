#include "astro/galactic.h"

#include <array>
#include <cmath>

#include "astro/angles.h"

namespace orvexal {
namespace {

// pi as the quadrant angle carries it.
constexpr double kPi = 3.14159265358959;

// Galactic component i (rows: toward the centre, toward longitude 90 degrees,
// toward the north galactic pole) from equatorial component j (columns:
// toward RA 0, toward RA 6 h, toward the north pole), equinox 2000.0.
constexpr std::array<std::array<double, 3>, 3> kEquatorialToGalactic{{
    {-0.0565477, -0.873375, -0.4837545},
    {0.4933276, -0.44569, 0.7469862},
    {-0.8680036, -0.1964092, 0.4560627},
}};

}  // namespace

void GalacticCoordinates(double ra, double dec, double& l, double& b)
{
    const std::array<double, 3> e{std::cos(ra) * std::cos(dec), std::sin(ra) * std::cos(dec),
                                  std::sin(dec)};
    std::array<double, 3> g{};
    for (std::size_t i = 0; i < 3; ++i) {
        g[i] = 0;
        for (std::size_t j = 0; j < 3; ++j) {
            g[i] = e[j] * kEquatorialToGalactic[i][j] + g[i];
        }
    }
    l = QuadrantAngle(g[0], g[1]);
    const double rho = std::sqrt(std::pow(g[0], 2.0) + std::pow(g[1], 2.0));
    b = QuadrantAngle(rho, g[2]);
    if (b > kPi) {
        b = b - 2 * kPi;  // southern latitudes negative
    }
}

}  // namespace orvexal
