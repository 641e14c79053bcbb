// Inverse-trigonometric primitives built on the one-argument arctangent and
// the square root. Each keeps its own rounded value of pi, which shows in the
// last digits of the angles that pass through it; do not replace them with a
// library pi.
#pragma once

#include "numbers/units.h"

namespace orvexal {

// Direction angle of the point (x, y) in radians, 0 up to turn.full
// (6.28318530717918 by default). The abscissa comes first, the reverse of
// atan2(y, x). On the y axis (x = 0) the arctangent is taken as +-pi/2 by
// the sign of y, and the angle of the origin is 0. A negative arctangent
// needs turn.full added once at most.
double QuadrantAngle(double x, double y, const Turn& turn = kQuadrantTurn);

// x less the whole periods that bring it into [0, period). The remainder
// is exact (as std::fmod's), so for the magnitudes that dates give this is
// the very value that adding or subtracting the period one step at a time
// reaches (each step is exact there, and only a last step from below zero
// rounds, as here), but it takes one step for any x. -0 gives +0.
double WrapToPeriod(double x, double period);

// Arcsine in radians, -pi/2 to +pi/2; |x| >= 1 gives +-1.5707963267948966.
double ArcSine(double x);

// Arccosine in radians, 0 to 3.1415926535 (ten decimals of pi); |x| > 1 is
// taken as +-1.
double ArcCosine(double x);

}  // namespace orvexal
