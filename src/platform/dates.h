#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace platform {

// Dates are stored as day counts from 1899-12-30: the date as the whole part, the time of
// day as the fraction.
double dayCountFromDate(const QDate& date);
QDate dateFromDayCount(double days);
double dayFraction(const QTime& time);
QTime timeFromFraction(double fraction);
double dayCountFromDateTime(const QDateTime& dateTime);

}  // namespace platform
