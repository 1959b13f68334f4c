#include "platform/dates.h"

#include <cmath>

namespace platform {

namespace {
const QDate kEpoch(1899, 12, 30);
}

double dayCountFromDate(const QDate& date) {
    return static_cast<double>(kEpoch.daysTo(date));
}

QDate dateFromDayCount(double days) {
    // The whole part counts days; for negative counts the fraction still runs forward
    // from midnight, so the date is the whole part itself.
    // Beyond the years a date can hold (or not a number) there is no date.
    if (!(std::fabs(days) < 1e9)) return {};
    return kEpoch.addDays(static_cast<qint64>(std::trunc(days)));
}

double dayFraction(const QTime& time) {
    return static_cast<double>(time.msecsSinceStartOfDay()) / 86400000.0;
}

QTime timeFromFraction(double fraction) {
    if (!std::isfinite(fraction)) return QTime(0, 0);
    const double f = std::fabs(fraction - std::trunc(fraction));
    const qint64 ms = std::llround(f * 86400000.0) % 86400000;
    return QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms));
}

double dayCountFromDateTime(const QDateTime& dateTime) {
    // Before the epoch the fraction is taken away from the (negative) day count, so the
    // whole part stays the date, as dateFromDayCount and timeFromFraction read it.
    const double days = dayCountFromDate(dateTime.date());
    const double fraction = dayFraction(dateTime.time());
    return days < 0 ? days - fraction : days + fraction;
}

}  // namespace platform
