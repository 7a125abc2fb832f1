#include "Date.h"

#include <QDate>

#include <algorithm>

namespace Upp {

namespace {

int64 FloorDiv(int64 a, int64 b)
{
	int64 q = a / b;
	return q * b != a && (a < 0) != (b < 0) ? q - 1 : q;
}

int64 FloorMod(int64 a, int64 b) { return a - b * FloorDiv(a, b); }

// Years are counted from 1 March so that the leap day closes a year; z is the number of days
// since 1 March of year 0. (153 * m + 2) / 5 is the number of days from 1 March to the start of
// the m-th month after March.
const int64 DAYS_PER_400_YEARS = 146097;
const int64 MARCH_TO_JANUARY = 306; // 1 March of year 0 to 1 January of year 1

int64 MarchDays(int64 y, int64 m, int64 d)
{
	int64 t = m - 3;
	y += FloorDiv(t, 12);
	m = FloorMod(t, 12);
	return 365 * y + FloorDiv(y, 4) - FloorDiv(y, 100) + FloorDiv(y, 400) + (153 * m + 2) / 5 + d - 1;
}

} // namespace

bool Date::IsValid() const { return day >= 1 && day <= GetDaysOfMonth(month, year); }

int Date::Get() const { return (int)(MarchDays(year, month, day) - MARCH_TO_JANUARY); }

void Date::Set(int64 n)
{
	int64 z = n + MARCH_TO_JANUARY;
	int64 cycle = FloorDiv(z, DAYS_PER_400_YEARS);
	int64 r = z - cycle * DAYS_PER_400_YEARS;
	// Within 400 years only the last century ends with a leap day, and within a century each
	// four years end with one except the last four of the first three centuries.
	int64 c = std::min<int64>(r / 36524, 3);
	r -= c * 36524;
	int64 q = r / 1461;
	r -= q * 1461;
	int64 a = std::min<int64>(r / 365, 3);
	r -= a * 365;
	int64 m = (5 * r + 2) / 153; // months since March
	int64 y = cycle * 400 + c * 100 + q * 4 + a + (m >= 10);
	day = (byte)(r - (153 * m + 2) / 5 + 1);
	month = (byte)(m < 10 ? m + 3 : m - 9);
	year = (int16)y;
}

int operator-(Date a, Date b) { return a.Get() - b.Get(); }

Date operator+(Date a, int days)
{
	Date r;
	r.Set((int64)a.Get() + days);
	return r;
}

Date operator-(Date a, int days)
{
	Date r;
	r.Set((int64)a.Get() - days);
	return r;
}

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int GetDaysOfMonth(int month, int year)
{
	static const byte len[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
	if(month < 1 || month > 12)
		return 0;
	return month == 2 && IsLeapYear(year) ? 29 : len[month - 1];
}

int DayOfWeek(Date d) { return (int)FloorMod((int64)d.Get() + 1, 7); } // 1 January of year 1 was a Monday

Date AddMonths(Date d, int months)
{
	int64 t = d.month - 1 + (int64)months;
	Date r;
	r.year = (int16)(d.year + FloorDiv(t, 12));
	r.month = (byte)(FloorMod(t, 12) + 1);
	r.day = (byte)std::min<int>(d.day, GetDaysOfMonth(r.month, r.year));
	return r;
}

Date AddYears(Date d, int years)
{
	Date r;
	r.year = (int16)(d.year + (int64)years);
	r.month = d.month;
	r.day = (byte)std::min<int>(d.day, GetDaysOfMonth(r.month, r.year));
	return r;
}

Date GetSysDate()
{
	QDate q = QDate::currentDate();
	return Date(q.year(), q.month(), q.day());
}

} // namespace Upp
