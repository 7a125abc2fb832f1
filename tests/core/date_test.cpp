#include <Core/Core.h>

#include <gtest/gtest.h>

#include <chrono>
#include <climits>

using namespace Upp;
namespace chr = std::chrono;

namespace {

Date FromChrono(chr::year_month_day ymd)
{
	return Date((int)ymd.year(), (int)(unsigned)ymd.month(), (int)(unsigned)ymd.day());
}

std::string Show(Date d)
{
	return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
}

// Walks every day of [from, to] in step with the reference calendar and stops at the first
// disagreement, so the walk stays fast and a failure names the day.
void CompareWithChrono(chr::year_month_day from, chr::year_month_day to)
{
	const chr::sys_days first = from, last = to;
	const int base = FromChrono(from).Get();
	Date walked = FromChrono(from);
	for(chr::sys_days day = first; day <= last; day += chr::days(1)) {
		const Date d = FromChrono(chr::year_month_day(day));
		const int offset = (int)(day - first).count();
		ASSERT_EQ(walked, d) << "walking by +1 day reached " << Show(walked) << " instead of " << Show(d);
		ASSERT_EQ(d.Get() - base, offset) << Show(d);
		ASSERT_EQ(DayOfWeek(d), (int)chr::weekday(day).c_encoding()) << Show(d);
		ASSERT_EQ(d - 1, FromChrono(chr::year_month_day(day - chr::days(1)))) << Show(d);
		Date back;
		back.Set(d.Get());
		ASSERT_EQ(back, d);
		ASSERT_TRUE(d.IsValid()) << Show(d);
		walked = walked + 1;
	}
}

} // namespace

TEST(DateArithmetic, EveryDayOfYears1To4000MatchesTheReferenceCalendar)
{
	CompareWithChrono(chr::year(1) / 1 / 1, chr::year(4000) / 12 / 31);
	EXPECT_EQ(Date(1, 1, 1).Get(), 0);
	EXPECT_EQ(DayOfWeek(Date(1, 1, 1)), 1);
}

// Before year 1 the calendar goes on as the Gregorian one with a year 0, and past 4000 it reaches
// the latest results the program can compute (1 January 4000 plus the largest counts).
TEST(DateArithmetic, YearsOutsideTheMainRangeFollowTheSameCalendar)
{
	CompareWithChrono(chr::year(-4100) / 1 / 1, chr::year(0) / 12 / 31);
	CompareWithChrono(chr::year(4001) / 1 / 1, chr::year(5200) / 12 / 31);
	EXPECT_EQ(Date(1, 1, 1) - 1, Date(0, 12, 31));
	EXPECT_TRUE(Date(0, 2, 29).IsValid());
}

TEST(DateArithmetic, DayNumbersOfTheWhole16BitRangeRoundTripAndIncrease)
{
	int previous = INT_MIN;
	for(int y = -32767; y <= 32767; y++)
		for(int m : { 1, 2, 3, 12 }) {
			const Date d(y, m, GetDaysOfMonth(m, y));
			const int n = d.Get();
			ASSERT_GT(n, previous) << Show(d);
			previous = n;
			Date back;
			back.Set(n);
			ASSERT_EQ(back, d);
		}
}

TEST(DateArithmetic, DifferencesAreSignedDays)
{
	struct {
		Date a, b;
		int days;
	} rows[] = {
		{ Date(2014, 10, 3), Date(2014, 10, 3), 0 },      { Date(2014, 10, 4), Date(2014, 10, 3), 1 },
		{ Date(2014, 10, 3), Date(2014, 10, 4), -1 },     { Date(2016, 3, 1), Date(2015, 3, 1), 366 },
		{ Date(2000, 1, 1), Date(1900, 1, 1), 36524 },    { Date(3999, 12, 31), Date(1, 1, 1), 1460603 },
		{ Date(4000, 1, 1), Date(-4000, 1, 1), 2921940 },
	};
	for(const auto& r : rows) {
		EXPECT_EQ(r.a - r.b, r.days) << Show(r.a) << " - " << Show(r.b);
		EXPECT_EQ(r.b + r.days, r.a);
		EXPECT_EQ(r.a - r.days, r.b);
	}
	EXPECT_EQ(Date(2014, 10, 3) - 999, Date(2012, 1, 8));
}

TEST(DateArithmetic, ComparisonFollowsYearThenMonthThenDay)
{
	const Date ordered[] = { Date(-4000, 1, 1),  Date(-1, 12, 31),  Date(0, 1, 1),    Date(1, 1, 1),
							 Date(2013, 12, 31), Date(2014, 1, 31), Date(2014, 2, 1), Date(2014, 2, 2) };
	for(const Date& a : ordered)
		for(const Date& b : ordered) {
			const bool before = &a < &b, same = &a == &b;
			EXPECT_EQ(a < b, before) << Show(a) << " " << Show(b);
			EXPECT_EQ(a <= b, before || same);
			EXPECT_EQ(a > b, !before && !same);
			EXPECT_EQ(a >= b, !before);
			EXPECT_EQ(a == b, same);
			EXPECT_EQ(a != b, !same);
		}
}

TEST(DateArithmetic, LeapYearsAndValidity)
{
	struct {
		int year;
		bool leap;
	} years[] = { { 2012, true }, { 2013, false }, { 1900, false }, { 2000, true },
				  { 0, true },    { -4, true },    { -100, false }, { -400, true } };
	for(const auto& y : years) {
		EXPECT_EQ(IsLeapYear(y.year), y.leap) << y.year;
		EXPECT_EQ(GetDaysOfMonth(2, y.year), y.leap ? 29 : 28) << y.year;
		EXPECT_EQ(Date(y.year, 2, 29).IsValid(), y.leap) << y.year;
	}
	for(Date d : { Date(2014, 0, 1), Date(2014, 13, 1), Date(2014, 4, 31), Date(2014, 1, 0), Date() })
		EXPECT_FALSE(d.IsValid()) << Show(d);
	EXPECT_EQ(GetDaysOfMonth(0, 2014), 0);
}

TEST(DateArithmetic, AddMonthsAndAddYearsCases)
{
	struct {
		Date from;
		int years, months;
		Date to;
	} rows[] = {
		{ Date(2014, 1, 31), 0, 1, Date(2014, 2, 28) },    { Date(2012, 1, 31), 0, 1, Date(2012, 2, 29) },
		{ Date(2012, 2, 29), 1, 0, Date(2013, 2, 28) },    { Date(2012, 2, 29), 4, 0, Date(2016, 2, 29) },
		{ Date(2012, 2, 29), -1, 0, Date(2011, 2, 28) },   { Date(2012, 2, 29), 0, -12, Date(2011, 2, 28) },
		{ Date(2014, 3, 31), 0, -1, Date(2014, 2, 28) },   { Date(2014, 10, 3), 0, -10, Date(2013, 12, 3) },
		{ Date(2014, 1, 15), 0, -1, Date(2013, 12, 15) },  { Date(2014, 1, 15), 0, -12, Date(2013, 1, 15) },
		{ Date(2014, 1, 15), 0, -13, Date(2012, 12, 15) }, { Date(2014, 12, 15), 0, 1, Date(2015, 1, 15) },
		{ Date(2014, 10, 3), 0, 999, Date(2098, 1, 3) },   { Date(2000, 2, 29), -100, 0, Date(1900, 2, 28) },
		{ Date(2000, 2, 29), -400, 0, Date(1600, 2, 29) }, { Date(1000, 1, 1), -999, 0, Date(1, 1, 1) },
		{ Date(1, 3, 31), 0, -13, Date(0, 2, 29) },        { Date(-1, 1, 31), 0, 1, Date(-1, 2, 28) },
	};
	for(const auto& r : rows)
		EXPECT_EQ(AddMonths(AddYears(r.from, r.years), r.months), r.to)
			<< Show(r.from) << " " << r.years << "y " << r.months << "m";
}

// The definition computed another way: step one month at a time, then cut the day.
TEST(DateArithmetic, AddMonthsAndAddYearsAgreeWithStepwiseCounting)
{
	const Date starts[] = { Date(2014, 1, 31), Date(2012, 2, 29), Date(2014, 3, 31), Date(2014, 12, 1),
							Date(1, 1, 1),     Date(0, 6, 30),    Date(-3, 12, 31),  Date(3999, 8, 31) };
	for(const Date& d : starts)
		for(int n = -30; n <= 30; n++) {
			int y = d.year, m = d.month;
			for(int i = 0; i < std::abs(n); i++) {
				m += n > 0 ? 1 : -1;
				if(m == 13)
					m = 1, y++;
				if(m == 0)
					m = 12, y--;
			}
			Date expect(y, m, std::min<int>(d.day, GetDaysOfMonth(m, y)));
			EXPECT_EQ(AddMonths(d, n), expect) << Show(d) << " " << n << " months";
			const int ny = d.year + n;
			EXPECT_EQ(AddYears(d, n), Date(ny, d.month, std::min<int>(d.day, GetDaysOfMonth(d.month, ny))))
				<< Show(d) << " " << n << " years";
			EXPECT_EQ(AddMonths(d, 12 * n), AddYears(d, n));
		}
}

// Counts no calendar can use (an unreadable count field gives the integer Null) must still
// give some date without undefined behaviour.
TEST(DateArithmetic, ExtremeCountsStayDefined)
{
	const Date d(2014, 10, 3);
	for(int n : { INT_MIN, INT_MIN + 1, -1000000, 1000000, INT_MAX }) {
		for(Date r : { AddMonths(d, n), AddYears(d, n), d + n, d - n }) {
			EXPECT_GE(r.month, 1);
			EXPECT_LE(r.month, 12);
			EXPECT_GE(r.day, 1);
		}
	}
}

class DateReading : public testing::Test {
protected:
	void TearDown() override
	{
		SetDateFormat("%2:02d/%3:02d/%1:4d");
		SetDateScan("mdy");
		SetDateFilter("/ .-");
	}
};

TEST_F(DateReading, Texts)
{
	struct {
		const char* order;
		const char* separators;
		const char* text;
		std::optional<Date> read; // nothing for a text that is no date
	} rows[] = {
		{ "mdy", "/ .-", "", Date() },
		{ "mdy", "/ .-", "   ", Date() },
		{ "mdy", "/ .-", "1/2/2014", Date(2014, 1, 2) },
		{ "mdy", "/ .-", " 01 / 02 / 2014 ", Date(2014, 1, 2) },
		{ "mdy", "/ .-", "1-2-2014", Date(2014, 1, 2) },
		{ "mdy", "/ .-", "1.2.2014", Date(2014, 1, 2) },
		{ "mdy", "/ .-", "1 2 2014", Date(2014, 1, 2) },
		{ "mdy", "/ .-", "10/08/ 929", Date(929, 10, 8) },
		{ "mdy", "/ .-", "01/01/   1", Date(1, 1, 1) },
		{ "mdy", "/ .-", "1/2/14", Date(14, 1, 2) },
		{ "mdy", "/ .-", "1/1/-4000", Date(-4000, 1, 1) },
		{ "mdy", "/ .-", "02/29/2012", Date(2012, 2, 29) },
		{ "mdy", "/ .-", "02/29/2013", std::nullopt },
		{ "mdy", "/ .-", "02/30/2014", std::nullopt },
		{ "mdy", "/ .-", "13/01/2014", std::nullopt },
		{ "mdy", "/ .-", "00/10/2014", std::nullopt },
		{ "mdy", "/ .-", "10/00/2014", std::nullopt },
		{ "mdy", "/ .-", "257/1/2014", std::nullopt },
		{ "mdy", "/ .-", "1/258/2014", std::nullopt },
		{ "mdy", "/ .-", "1/2/12345", std::nullopt },
		{ "mdy", "/ .-", "-1/2/2014", std::nullopt },
		{ "mdy", "/ .-", "1/2/+5", std::nullopt },
		{ "mdy", "/ .-", "abc", std::nullopt },
		{ "mdy", "/ .-", "1/2", std::nullopt },
		{ "mdy", "/ .-", "1/2/", std::nullopt },
		{ "mdy", "/ .-", "1/2/2014/5", std::nullopt },
		{ "mdy", "/ .-", "1/2/2014x", std::nullopt },
		{ "mdy", "/ .-", "x1/2/2014", std::nullopt },
		{ "mdy", "/ .-", "1//2/2014", std::nullopt },
		{ "mdy", "/ .-", "1,2,2014", std::nullopt },
		{ "mdy", "/ .", "1 2-5", std::nullopt },
		{ "dmy", "./-", "28.02.2014", Date(2014, 2, 28) },
		{ "dmy", "./-", "28. 2. 2014", Date(2014, 2, 28) },
		{ "dmy", "./-", "02.28.2014", std::nullopt },
		{ "dmy", "./-", "28 02 2014", std::nullopt },
		{ "ymd", "-/.", "2014-02-28", Date(2014, 2, 28) },
		{ "ymd", "-/.", "-5-02-28", Date(-5, 2, 28) },
		{ "YMD", "-/.", "2014/2/3", Date(2014, 2, 3) },
	};
	for(const auto& r : rows) {
		SetDateScan(r.order);
		SetDateFilter(r.separators);
		EXPECT_EQ(StrToDate(r.text), r.read) << '"' << r.text << '"';
	}
}

TEST_F(DateReading, BadScanOrderKeepsThePreviousOne)
{
	SetDateScan("dmy");
	for(const char* bad : { "", "md", "mmy", "dmyx", "abc" }) {
		SetDateScan(bad);
		EXPECT_EQ(StrToDate("28/02/2014"), Date(2014, 2, 28)) << bad;
	}
}

TEST_F(DateReading, ReadsBackWhatFormatWrites)
{
	struct {
		const char* pattern;
		const char* order;
		const char* separators;
	} languages[] = { { "%2:02d/%3:02d/%1:4d", "mdy", "/ .-" }, { "%3:02d.%2:02d.%1:04d", "dmy", "./-" } };
	for(const auto& l : languages) {
		SetDateFormat(l.pattern);
		SetDateScan(l.order);
		SetDateFilter(l.separators);
		for(Date d = Date(-4000, 1, 1); d <= Date(5100, 12, 31); d = d + 11) {
			ASSERT_EQ(StrToDate(Format(d).c_str()), d) << Format(d);
		}
	}
}
