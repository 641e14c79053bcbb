// Arithmetic faults of the calculation.
//
// The calculation validates nothing: out-of-range inputs are computed with as
// they stand, and an arithmetic fault (a 16-bit integer leaving its range, a
// double overflowing, a division by exactly zero, an invalid argument such as
// the square root of a negative number) ends the calculation pass at the step
// that raised it. Faults are raised as ArithmeticFault; the pass catches them
// and reports the kind, the program goes on.
#pragma once

#include <cfenv>
#include <cstdint>
#include <optional>
#include <stdexcept>

namespace orvexal {

enum class FaultKind { Overflow, DivisionByZero, InvalidArgument };

// "overflow", "division by zero", "invalid argument": the words of the
// headless front end's batch output.
const char* FaultName(FaultKind kind);

// "Overflow", "Division by zero", "Invalid argument": the words of the
// message box that the main window shows.
const char* FaultCaption(FaultKind kind);

class ArithmeticFault : public std::runtime_error {
public:
    explicit ArithmeticFault(FaultKind kind);
    FaultKind Kind() const { return kind_; }

private:
    FaultKind kind_;
};

// 16-bit signed integer of the calculation (parts of dates, times, angles).
using Int16 = std::int16_t;

// The nearest 16-bit integer, halves to the even neighbour; a value outside
// -32768..32767 is an overflow, NaN an invalid argument. Applied to a whole
// number it only checks the range.
Int16 ToInt16(double value);

// A result of integer arithmetic narrowed to 16 bits; outside the range it is
// an overflow, never a wrap-around.
Int16 Narrow16(long long value);

// A result of integer arithmetic narrowed to 32 bits (day counts).
std::int32_t Narrow32(long long value);

// numerator / divisor; a divisor of exactly 0 is a division by zero (also for
// a numerator of 0), a quotient beyond the double range an overflow.
double Quotient(double numerator, double divisor);

// Floating-point faults that the hardware records (overflow, division by
// zero, invalid operation) are collected between checkpoints: the pass clears
// them when it starts and checks them before every field it writes.
void ClearFloatingFaults();

// The value when it is finite; an infinity is an overflow, a NaN an invalid
// argument. The faults the hardware recorded are not looked at, so this
// serves where a value must be finite outside a pass's checkpoints.
double FiniteValue(double value);

// The flags of the faults the hardware recorded since the last clear (a
// mask of FE_OVERFLOW, FE_DIVBYZERO and FE_INVALID), read in line: the pass
// reads them around every field it writes. On x86-64 both the SSE status
// register (double arithmetic) and the x87 status word (long double, some
// library routines) are read, as fetestexcept does.
inline int RaisedFloatingFlags()
{
#if defined(__x86_64__)
    unsigned short x87Status;
    unsigned int sseStatus;
    asm volatile("fnstsw %0" : "=am"(x87Status) : : "memory");
    asm volatile("stmxcsr %0" : "=m"(sseStatus) : : "memory");
    return static_cast<int>((x87Status | sseStatus) & (FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID));
#else
    return std::fetestexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
#endif
}

// The fault the hardware recorded since the last clear, if any (a division
// by zero or an overflow before an invalid operation, which usually follows
// from the infinity they made).
std::optional<FaultKind> RecordedFloatingFault();

// The value as computed: g++ ignores FENV_ACCESS and may move arithmetic past
// a call that reads the flags; an empty asm that takes the value through
// memory settles the value, and the flags its arithmetic raised, before
// whatever follows.
inline double Settled(double value)
{
    asm volatile("" : "+m"(value) : : "memory");
    return value;
}

// Raises the fault recorded since the last clear or check, if any, and clears
// the record. A value that is not finite is a fault even when nothing was
// recorded (FiniteValue).
double CheckedValue(double value);

// Raises the fault recorded since the last clear, if any, and clears the
// record (the out-of-line part of CheckFloatingFaults).
void RaiseFloatingFault();

inline void CheckFloatingFaults()
{
    if (RaisedFloatingFlags() != 0) {
        RaiseFloatingFault();
    }
}

}  // namespace orvexal
