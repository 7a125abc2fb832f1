#ifndef UPP_CORE_DATE_H
#define UPP_CORE_DATE_H

#include "Defs.h"

#include <compare>

namespace Upp {

// A calendar day of the Gregorian calendar, carried back without a Julian period and with a
// year 0 (astronomical numbering). The Null date has the year -32768.
struct Date {
	byte day = 0;
	byte month = 0;
	int16 year = -32768;

	Date() = default;
	Date(const Nuller&) {}
	Date(int y, int m, int d) : day((byte)d), month((byte)m), year((int16)y) {}

	bool IsValid() const;

	// Day number: days since 1 January of year 1 (that day is 0; earlier days are negative).
	int Get() const;
	// A day number beyond the 16-bit years wraps the year rather than failing.
	void Set(int64 n);

	static Date Low() { return Date(-4000, 1, 1); }
	static Date High() { return Date(4000, 1, 1); }
};

inline bool IsNull(const Date& d) { return d.year == -32768; }

inline bool operator==(Date a, Date b) { return a.day == b.day && a.month == b.month && a.year == b.year; }
inline std::strong_ordering operator<=>(Date a, Date b)
{
	if(a.year != b.year)
		return a.year <=> b.year;
	if(a.month != b.month)
		return a.month <=> b.month;
	return a.day <=> b.day;
}

int operator-(Date a, Date b); // signed days from b to a
Date operator+(Date a, int days);
Date operator-(Date a, int days);

bool IsLeapYear(int year);
int GetDaysOfMonth(int month, int year); // 0 for a month outside 1..12
int DayOfWeek(Date d);                   // 0 = Sunday .. 6 = Saturday
Date AddMonths(Date d, int months);      // the day is cut to the new month's length
Date AddYears(Date d, int years);
Date GetSysDate();

} // namespace Upp

#endif
