#include "astro/galactic.h"

#include <array>
#include <cmath>

#include "astro/angles.h"

namespace orvexal {
namespace {

// Galactic component i (rows: toward the centre, toward longitude 90 degrees,
// toward the north galactic pole) from equatorial component j (columns:
// toward RA 0, toward RA 6 h, toward the north pole), equinox 2000.0.
constexpr std::array<std::array<double, 3>, 3> kEquatorialToGalactic{{
    {-0.0565477, -0.873375, -0.4837545},
    {0.4933276, -0.44569, 0.7469862},
    {-0.8680036, -0.1964092, 0.4560627},
}};

}  // namespace

GalacticPlace GalacticCoordinates(EquatorialPlace place)
{
    const double ra = place.rightAscension;
    const double dec = place.declination;
    const std::array<double, 3> e{std::cos(ra) * std::cos(dec), std::sin(ra) * std::cos(dec),
                                  std::sin(dec)};
    std::array<double, 3> g{};
    for (std::size_t i = 0; i < 3; ++i) {
        g[i] = 0;
        for (std::size_t j = 0; j < 3; ++j) {
            g[i] = e[j] * kEquatorialToGalactic[i][j] + g[i];
        }
    }
    const double rho = std::sqrt(std::pow(g[0], 2.0) + std::pow(g[1], 2.0));
    double b = QuadrantAngle(rho, g[2]);
    if (b > kQuadrantTurn.half) {
        b = b - 2 * kQuadrantTurn.half;  // southern latitudes negative
    }
    return {QuadrantAngle(g[0], g[1]), b};
}

}  // namespace orvexal
