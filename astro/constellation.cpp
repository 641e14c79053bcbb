#include "astro/constellation.h"

namespace orvexal {
namespace {

constexpr double kHoursPerCircle = 24;
constexpr double kPoleDeclination = 90;

}  // namespace

std::string FindConstellation(const ConstellationTables& tables, double raHours, double decDegrees)
{
    const bool valid = raHours >= 0 && raHours <= kHoursPerCircle && decDegrees >= -kPoleDeclination
                       && decDegrees <= kPoleDeclination;
    if (!valid) {
        return "[invalid coords]";
    }
    const int n = tables.ConCount;
    // The first record whose lower declination is at or below the target;
    // the order of the table makes every later one so too.
    int i = 1;
    while (i <= n && tables.ConDecLow[i] > decDegrees) {
        ++i;
    }
    while (i <= n) {
        while (i <= n && tables.ConRaHigh[i] <= raHours) {
            ++i;
        }
        while (i <= n && tables.ConRaLow[i] > raHours) {
            ++i;
        }
        if (i <= n && tables.ConRaLow[i] <= raHours && tables.ConRaHigh[i] > raHours) {
            return tables.ConAbbrev[i];
        }
    }
    return {};  // no loaded record holds the position
}

}  // namespace orvexal
