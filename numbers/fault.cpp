#include "numbers/fault.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace orvexal {

const char* FaultName(FaultKind kind)
{
    switch (kind) {
    case FaultKind::Overflow: return "overflow";
    case FaultKind::DivisionByZero: return "division by zero";
    case FaultKind::InvalidArgument: return "invalid argument";
    }
    return "invalid argument";
}

const char* FaultCaption(FaultKind kind)
{
    switch (kind) {
    case FaultKind::Overflow: return "Overflow";
    case FaultKind::DivisionByZero: return "Division by zero";
    case FaultKind::InvalidArgument: return "Invalid argument";
    }
    return "Invalid argument";
}

ArithmeticFault::ArithmeticFault(FaultKind kind)
    : std::runtime_error(FaultName(kind)), kind_(kind)
{
}

Int16 ToInt16(double value)
{
    if (std::isnan(value)) {
        throw ArithmeticFault(FaultKind::InvalidArgument);
    }
    const double whole = std::nearbyint(value);  // default rounding: halves to even
    if (whole < std::numeric_limits<Int16>::min() || whole > std::numeric_limits<Int16>::max()) {
        throw ArithmeticFault(FaultKind::Overflow);
    }
    return static_cast<Int16>(whole);
}

Int16 Narrow16(long long value)
{
    if (value < std::numeric_limits<Int16>::min() || value > std::numeric_limits<Int16>::max()) {
        throw ArithmeticFault(FaultKind::Overflow);
    }
    return static_cast<Int16>(value);
}

std::int32_t Narrow32(long long value)
{
    if (value < std::numeric_limits<std::int32_t>::min()
        || value > std::numeric_limits<std::int32_t>::max()) {
        throw ArithmeticFault(FaultKind::Overflow);
    }
    return static_cast<std::int32_t>(value);
}

double Quotient(double numerator, double divisor)
{
    if (divisor == 0.0) {
        throw ArithmeticFault(FaultKind::DivisionByZero);
    }
    const double quotient = numerator / divisor;
    if (std::isinf(quotient)) {
        throw ArithmeticFault(FaultKind::Overflow);
    }
    return quotient;
}

void ClearFloatingFaults()
{
    std::feclearexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
}

std::optional<FaultKind> RecordedFloatingFault()
{
    const int raised = RaisedFloatingFlags();
    if (raised == 0) {
        return std::nullopt;
    }
    if (raised & FE_DIVBYZERO) {
        return FaultKind::DivisionByZero;
    }
    if (raised & FE_OVERFLOW) {
        return FaultKind::Overflow;
    }
    return FaultKind::InvalidArgument;
}

void RaiseFloatingFault()
{
    if (const auto fault = RecordedFloatingFault()) {
        ClearFloatingFaults();
        throw ArithmeticFault(*fault);
    }
}

double FiniteValue(double value)
{
    if (std::isinf(value)) {
        throw ArithmeticFault(FaultKind::Overflow);
    }
    if (std::isnan(value)) {
        throw ArithmeticFault(FaultKind::InvalidArgument);
    }
    return value;
}

double CheckedValue(double value)
{
    const double settled = Settled(value);
    CheckFloatingFaults();
    return FiniteValue(settled);
}

}  // namespace orvexal
