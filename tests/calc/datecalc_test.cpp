// The two calculations without the window: the worked rows, then random dates across the date
// fields' range against the same rules read on std::chrono's calendar.
#include <qimvor/DateCalc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <random>
#include <string>

using namespace Upp;
namespace chr = std::chrono;

namespace {

std::string Show(Date d)
{
	return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
}

std::string Show(const DaySpan& s)
{
	return std::to_string(s.years) + "y " + std::to_string(s.months) + "m " + std::to_string(s.days) + "d, " +
		   std::to_string(s.total);
}

struct DiffRow {
	Date start, end;
	int mode;
	int years, months, days, total;
};

const DiffRow DIFF[] = {
	{ Date(2014, 10, 3), Date(2014, 10, 3), 0, 0, 0, 0, 0 },
	{ Date(2014, 10, 3), Date(2014, 10, 3), 1, 0, 0, 1, 1 },
	{ Date(2014, 10, 3), Date(2014, 10, 3), 2, 0, 0, -1, -1 },
	{ Date(2014, 10, 3), Date(2014, 10, 4), 2, 0, 0, 0, 0 },
	{ Date(2014, 10, 3), Date(2014, 10, 4), 1, 0, 0, 2, 2 },
	{ Date(2013, 3, 1), Date(2014, 3, 1), 0, 0, 11, 28, 365 },
	{ Date(2013, 3, 1), Date(2014, 3, 1), 1, 1, 0, 1, 366 },
	{ Date(2013, 3, 1), Date(2014, 3, 1), 2, 0, 11, 27, 364 },
	{ Date(2015, 3, 1), Date(2016, 3, 1), 0, 1, 0, 0, 366 },
	{ Date(2014, 1, 1), Date(2014, 12, 31), 0, 0, 11, 30, 364 },
	{ Date(2014, 1, 1), Date(2014, 12, 31), 1, 0, 11, 31, 365 },
	{ Date(2014, 1, 31), Date(2014, 3, 3), 0, 0, 1, 3, 31 },
	{ Date(2014, 1, 31), Date(2014, 2, 28), 0, 0, 0, 28, 28 },
	{ Date(2012, 2, 29), Date(2016, 2, 29), 0, 4, 0, 0, 1461 },
	{ Date(2012, 2, 29), Date(2013, 2, 28), 0, 0, 11, 30, 365 },
	{ Date(2012, 2, 29), Date(2013, 3, 1), 0, 1, 0, 1, 366 },
	{ Date(1995, 3, 1), Date(1995, 8, 31), 0, 0, 6, -1, 183 },
	{ Date(1995, 1, 1), Date(1995, 4, 2), 0, 0, 2, 32, 91 },
	{ Date(1995, 3, 25), Date(2104, 3, 25), 0, 108, 12, 0, 39812 },
	{ Date(1900, 1, 1), Date(2000, 1, 1), 0, 99, 11, 31, 36524 },
	{ Date(2000, 1, 1), Date(2014, 10, 3), 0, 14, 9, 2, 5389 },
	{ Date(1, 1, 1), Date(3999, 12, 31), 0, 3998, 11, 30, 1460603 },
};

struct DateRow {
	Date start;
	int op, years, months, days;
	Date result;
};

const DateRow DATE[] = {
	{ Date(2014, 10, 3), 0, 0, 0, 0, Date(2014, 10, 3) },
	{ Date(2014, 1, 31), 0, 0, 1, 0, Date(2014, 2, 28) },
	{ Date(2012, 1, 31), 0, 0, 1, 0, Date(2012, 2, 29) },
	{ Date(2012, 2, 29), 0, 1, 0, 0, Date(2013, 2, 28) },
	{ Date(2012, 2, 29), 0, 4, 0, 0, Date(2016, 2, 29) },
	{ Date(2012, 2, 29), 1, 1, 0, 0, Date(2011, 2, 28) },
	{ Date(2012, 2, 29), 1, 0, 12, 0, Date(2011, 2, 28) },
	{ Date(2014, 3, 31), 1, 0, 1, 0, Date(2014, 2, 28) },
	{ Date(2014, 1, 30), 0, 0, 1, 1, Date(2014, 3, 1) },
	{ Date(2011, 1, 29), 0, 1, 1, 0, Date(2012, 2, 29) },
	{ Date(2014, 3, 31), 1, 1, 1, 1, Date(2013, 2, 27) },
	{ Date(2014, 12, 31), 0, 0, 0, 1, Date(2015, 1, 1) },
	{ Date(1900, 3, 1), 1, 0, 0, 1, Date(1900, 2, 28) },
	{ Date(2000, 3, 1), 1, 0, 0, 1, Date(2000, 2, 29) },
	{ Date(2014, 10, 3), 1, 0, 10, 0, Date(2013, 12, 3) },
	{ Date(2014, 10, 3), 1, 0, 0, 999, Date(2012, 1, 8) },
	{ Date(2014, 10, 3), 0, 999, 999, 999, Date(3099, 9, 29) },
	{ Date(2014, 10, 3), 1, 999, 999, 999, Date(929, 10, 8) },
	{ Date(4000, 1, 1), 0, 999, 999, 999, Date(5084, 12, 25) },
	{ Date(1000, 1, 1), 1, 999, 0, 0, Date(1, 1, 1) },
};

// The rules again, on the reference calendar (proleptic Gregorian with a year 0, as the layer's).

chr::year_month_day Ymd(Date d) { return chr::year(d.year) / (unsigned)d.month / (unsigned)d.day; }

Date FromYmd(chr::year_month_day ymd)
{
	return Date((int)ymd.year(), (int)(unsigned)ymd.month(), (int)(unsigned)ymd.day());
}

// The day kept where the month has it, else the month's last day.
chr::year_month_day Cut(chr::year_month ym, chr::day d)
{
	chr::year_month_day_last last(ym.year(), chr::month_day_last(ym.month()));
	return chr::year_month_day(ym.year(), ym.month(), std::min(d, last.day()));
}

chr::year_month_day PlusYears(chr::year_month_day d, int k)
{
	return Cut(chr::year_month(d.year(), d.month()) + chr::years(k), d.day());
}

chr::year_month_day PlusMonths(chr::year_month_day d, int k)
{
	return Cut(chr::year_month(d.year(), d.month()) + chr::months(k), d.day());
}

int DaysBetween(chr::year_month_day from, chr::year_month_day to)
{
	return (int)(chr::sys_days(to) - chr::sys_days(from)).count();
}

DaySpan ReferenceSpan(Date start, Date picked, int mode)
{
	chr::year_month_day S = Ymd(start);
	chr::year_month_day E = chr::sys_days(Ymd(picked)) + chr::days(mode == 1 ? 1 : mode == 2 ? -1 : 0);
	DaySpan r;
	r.total = DaysBetween(S, E);
	r.years = (4 * r.total) / 1461;
	chr::year_month_day Y = PlusYears(S, r.years);
	r.months = (48 * DaysBetween(Y, E)) / 1461;
	chr::year_month_day M = PlusMonths(Y, r.months);
	r.days = DaysBetween(M, E);
	return r;
}

Date ReferenceDate(Date d, int y, int m, int n, int op)
{
	int sign = op == 0 ? 1 : -1;
	chr::year_month_day r = PlusMonths(PlusYears(Ymd(d), sign * y), sign * m);
	return FromYmd(chr::sys_days(r) + chr::days(sign * n));
}

// Days of the date fields' range, 1 January -4000 to 1 January 4000.
const chr::sys_days LOW = chr::year(-4000) / 1 / 1;
const chr::sys_days HIGH = chr::year(4000) / 1 / 1;

struct RandomDates {
	std::mt19937 rng{ 20141003 };

	int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
	chr::sys_days Day(chr::sys_days lo, chr::sys_days hi) { return lo + chr::days(Between(0, (int)(hi - lo).count())); }
	// Every fourth date is the last of its month, where AddYears and AddMonths cut.
	Date Any()
	{
		chr::year_month_day d = Day(LOW, HIGH);
		if(Between(0, 3) == 0 && chr::sys_days(d) < HIGH)
			d = chr::year_month_day_last(d.year(), chr::month_day_last(d.month()));
		return FromYmd(d);
	}
};

const int RANDOM_CASES = 5000;

} // namespace

TEST(DayDifference, WorkedRows)
{
	for(const DiffRow& r : DIFF) {
		DaySpan s = DayDifference(r.start, r.end, CountingMode(r.mode));
		EXPECT_EQ(Show(s), Show(DaySpan{ r.years, r.months, r.days, r.total }))
			<< Show(r.start) << " " << Show(r.end) << " mode " << r.mode;
	}
}

TEST(DayDifference, ModesAndDirectionsAreTheSwitchesCasesAndNothingElse)
{
	for(int v : { 0, 1, 2 })
		EXPECT_EQ(ToCountingMode(v), CountingMode(v));
	for(int v : { 3, -1, 7, INT_NULL })
		EXPECT_FALSE(ToCountingMode(v)) << v;
	for(int v : { 0, 1 })
		EXPECT_EQ(ToDirection(v), Direction(v));
	for(int v : { 2, -1, 5, INT_NULL })
		EXPECT_FALSE(ToDirection(v)) << v;
}

TEST(DayDifference, RandomSpansFollowTheRulesOnTheReferenceCalendar)
{
	RandomDates random;
	for(int i = 0; i < RANDOM_CASES; i++) {
		Date S = random.Any(), picked = random.Any();
		if(picked < S)
			std::swap(S, picked);
		// Half of the spans are short, where the months and days parts vary most.
		if(i % 2)
			picked = FromYmd(
				chr::year_month_day(random.Day(Ymd(S), std::min(HIGH, chr::sys_days(Ymd(S)) + chr::days(800)))));
		int mode = i % 3;
		DaySpan got = DayDifference(S, picked, CountingMode(mode));
		ASSERT_EQ(Show(got), Show(ReferenceSpan(S, picked, mode)))
			<< Show(S) << " " << Show(picked) << " mode " << mode;
	}
}

TEST(SpecificDate, WorkedRows)
{
	for(const DateRow& r : DATE) {
		Date d = SpecificDate(r.start, r.years, r.months, r.days, Direction(r.op));
		std::string what = Show(r.start) + (r.op ? " - " : " + ") + std::to_string(r.years) + "y " +
						   std::to_string(r.months) + "m " + std::to_string(r.days) + "d";
		EXPECT_EQ(Show(d), Show(r.result)) << what;
	}
}

TEST(SpecificDate, RandomMovesFollowTheRulesOnTheReferenceCalendar)
{
	RandomDates random;
	for(int i = 0; i < RANDOM_CASES; i++) {
		Date d = random.Any();
		int y = random.Between(0, 999), m = random.Between(0, 999), n = random.Between(0, 999);
		int op = i % 2;
		Date got = SpecificDate(d, y, m, n, Direction(op));
		ASSERT_EQ(Show(got), Show(ReferenceDate(d, y, m, n, op)))
			<< Show(d) << (op ? " - " : " + ") << y << "y " << m << "m " << n << "d";
	}
}
