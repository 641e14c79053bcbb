// Where a quantity that changes smoothly through the night passes a level,
// and the stretches of the night it spends on one side of it.
//
// The quantity is known at samples (night hours, increasing); a crossing is
// bracketed between two neighbouring samples on either side of the level
// (a value equal to the level counts as above) and then halved, the
// quantity worked out afresh at each midpoint, until the bracket is shorter
// than kCrossingTolerance. Two crossings within one step of the samples
// are not seen.
#pragma once

#include <functional>
#include <span>
#include <vector>

#include "night/almanac.h"

namespace orvexal {

// The bracket's length when the halving stops, hours: half a second.
constexpr double kCrossingTolerance = 0.5 / 3600;

struct Crossing {
    double hours = 0;     // the middle of the last bracket
    bool upward = false;  // from below the level to at or above it
};

// A quantity at the samples and at any hour of the night.
struct Sampled {
    std::span<const double> hours;
    std::span<const double> values;
    std::function<double(double)> at;
};

// The crossings of the level, in time order.
std::vector<Crossing> FindCrossings(const Sampled& quantity, double level);

// The first crossing in the given direction, if any.
std::optional<double> FirstCrossing(const std::vector<Crossing>& crossings, bool upward);

// The last crossing in the given direction, if any.
std::optional<double> LastCrossing(const std::vector<Crossing>& crossings, bool upward);

// The stretches from the first sample to the last in which the quantity is
// at or above the level (above = true) or below it, from its crossings of
// the level (FindCrossings).
Intervals WhereOnSide(const Sampled& quantity, double level, bool above, const std::vector<Crossing>& crossings);

// The same from crossings in time order within a span: onSideAtStart tells
// whether the span begins on the side asked for.
Intervals StretchesOnSide(bool onSideAtStart, const std::vector<Crossing>& crossings, bool above, Interval span);

// The stretches common to both.
Intervals Intersection(const Intervals& a, const Intervals& b);

}  // namespace orvexal
