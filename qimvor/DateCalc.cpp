#include "DateCalc.h"

using namespace Upp;

std::optional<CountingMode> ToCountingMode(int value)
{
	if(value < 0 || value > 2)
		return std::nullopt;
	return CountingMode(value);
}

std::optional<Direction> ToDirection(int value)
{
	if(value < 0 || value > 1)
		return std::nullopt;
	return Direction(value);
}

DaySpan DayDifference(Date S, Date picked, CountingMode mode)
{
	Date E = picked;
	if(mode == CountingMode::INCLUDE_BOTH_DATES)
		E = picked + 1;
	else if(mode == CountingMode::EXCLUDE_BOTH_DATES)
		E = picked - 1;
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

Date SpecificDate(Date d, int y, int m, int n, Direction op)
{
	// Each step cuts the day to its month's length before the next runs, so the order of the
	// steps decides some results.
	if(op == Direction::SUBTRACT)
		return AddMonths(AddYears(d, -y), -m) - n;
	return AddMonths(AddYears(d, y), m) + n;
}
