#include "night/crossings.h"

#include <algorithm>

namespace orvexal {
namespace {

double Refine(const Sampled& quantity, double level, double early, double late, bool earlyAbove)
{
    while (late - early > kCrossingTolerance) {
        const double middle = (early + late) / 2;
        ((quantity.at(middle) >= level) == earlyAbove ? early : late) = middle;
    }
    return (early + late) / 2;
}

}  // namespace

std::vector<Crossing> FindCrossings(const Sampled& quantity, double level)
{
    std::vector<Crossing> crossings;
    for (std::size_t i = 1; i < quantity.values.size(); ++i) {
        const bool before = quantity.values[i - 1] >= level;
        if (before != (quantity.values[i] >= level)) {
            crossings.push_back(
                {Refine(quantity, level, quantity.hours[i - 1], quantity.hours[i], before), !before});
        }
    }
    return crossings;
}

std::optional<double> FirstCrossing(const std::vector<Crossing>& crossings, bool upward)
{
    const auto found = std::ranges::find(crossings, upward, &Crossing::upward);
    return found == crossings.end() ? std::nullopt : std::optional(found->hours);
}

std::optional<double> LastCrossing(const std::vector<Crossing>& crossings, bool upward)
{
    const auto found = std::find_if(crossings.rbegin(), crossings.rend(),
                                    [upward](const Crossing& c) { return c.upward == upward; });
    return found == crossings.rend() ? std::nullopt : std::optional(found->hours);
}

Intervals WhereOnSide(const Sampled& quantity, double level, bool above, const std::vector<Crossing>& crossings)
{
    return StretchesOnSide((quantity.values.front() >= level) == above, crossings, above,
                           {quantity.hours.front(), quantity.hours.back()});
}

Intervals StretchesOnSide(bool onSideAtStart, const std::vector<Crossing>& crossings, bool above, Interval span)
{
    Intervals intervals;
    std::optional<double> from;
    if (onSideAtStart) {
        from = span.from;
    }
    for (const Crossing& crossing : crossings) {
        if (crossing.upward == above) {
            from = crossing.hours;
        } else if (from) {
            intervals.push_back({*from, crossing.hours});
            from.reset();
        }
    }
    if (from) {
        intervals.push_back({*from, span.to});
    }
    return intervals;
}

Intervals Intersection(const Intervals& a, const Intervals& b)
{
    Intervals common;
    for (const Interval& x : a) {
        for (const Interval& y : b) {
            const double from = std::max(x.from, y.from);
            const double to = std::min(x.to, y.to);
            if (from < to) {
                common.push_back({from, to});
            }
        }
    }
    return common;
}

}  // namespace orvexal
