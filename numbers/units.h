// Units shared by the calculation pass and the coordinate transforms.
#pragma once

namespace orvexal {

// Degrees in one radian, as the calculation pass and the coordinate
// transforms carry it (the Sun and the twilight searches keep their own).
constexpr double kDegreesPerRadian = 57.295779513086;

// Degrees per hour of right ascension or time.
constexpr double kDegreesPerHour = 15;

}  // namespace orvexal
