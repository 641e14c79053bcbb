// The system clock as the calculation sees it: local calendar date and local
// time of day to the second. Injected, so that tests can fix "now".
#pragma once

#include <functional>

namespace orvexal {

struct LocalDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;  // 0..23
    int minute = 0;
    int second = 0;
};

using Clock = std::function<LocalDateTime()>;

// The local date and time of the machine.
LocalDateTime SystemLocalTime();

}  // namespace orvexal
