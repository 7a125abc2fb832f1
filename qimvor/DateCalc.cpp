#include "DateCalc.h"

using namespace Upp;

std::optional<DaySpan> DayDifference(Date S, Date picked, int mode)
{
	Date E;
	switch(mode) {
	case 0: E = picked; break;
	case 1: E = picked + 1; break;
	case 2: E = picked - 1; break;
	default: return std::nullopt;
	}
	// 1461 days make 4 years, and 48 months, on average. The parts are not normalised
	// afterwards: 12 months stay 12 months and days may be negative.
	int total = E - S;
	int years = (4 * total) / 1461;
	Date Y = AddYears(S, years);
	int months = (48 * (E - Y)) / 1461;
	Date M = AddMonths(Y, months);
	int days = E - M;
	return DaySpan{ years, months, days, total };
}

std::optional<Date> SpecificDate(Date d, int y, int m, int n, int op)
{
	// Each step cuts the day to its month's length before the next runs, so the order of the
	// steps decides some results.
	Date r;
	switch(op) {
	case 0:
		r = AddYears(d, y);
		r = AddMonths(r, m);
		r = r + n;
		break;
	case 1:
		r = AddYears(d, -y);
		r = AddMonths(r, -m);
		r = r - n;
		break;
	default: return std::nullopt;
	}
	return r;
}
