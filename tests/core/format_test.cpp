#include <Core/Core.h>

#include <gtest/gtest.h>

#include <climits>

using namespace Upp;

TEST(Format, PlaceholdersTakeThePlainTextOfEachValue)
{
	EXPECT_EQ(Format("%`", 0), "0");
	EXPECT_EQ(Format("%`", 1460603), "1460603");
	EXPECT_EQ(Format("%`", -1), "-1");
	EXPECT_EQ(Format("%`", INT_MAX), "2147483647");
	EXPECT_EQ(Format("%`", INT_MIN), "-2147483648");
	EXPECT_EQ(Format("%`", (byte)29), "29");
	EXPECT_EQ(Format("%`", (int16)-929), "-929");
	EXPECT_EQ(Format("[%`]", ""), "[]");
	EXPECT_EQ(Format("%`", String("Dienstag")), "Dienstag");
	EXPECT_EQ(Format("%` %`", "星期五", "октябрь"), "星期五 октябрь");
	EXPECT_EQ(Format("%`", Date(2014, 2, 28)), "02/28/2014");
	EXPECT_EQ(Format("[%`]", Date()), "[]");
}

TEST(Format, TheProgramsPatterns)
{
	EXPECT_EQ(Format("%`  %`   %`  %`   %`  %`", 0, "Years", 11, "Months", 28, "Days"),
			  "0  Years   11  Months   28  Days");
	EXPECT_EQ(Format("%`  %`   %`  %`   %`  %`", 0, "Years", 6, "Months", -1, "Days"),
			  "0  Years   6  Months   -1  Days");
	EXPECT_EQ(Format("%`  %`", 1460603, "Days"), "1460603  Days");
	EXPECT_EQ(Format("%`  %`", -1, "Tage"), "-1  Tage");
	EXPECT_EQ(Format("%` ,  %`  %`  %`", "Friday", 3, "October", 2014), "Friday ,  3  October  2014");
	EXPECT_EQ(Format("%` ,  %`  %`  %`", "Tuesday", 29, "February", 2000), "Tuesday ,  29  February  2000");
	EXPECT_EQ(Format("%`   %`   %`", 8, "October", 929), "8   October   929");
	EXPECT_EQ(Format("%`   %`   %`", 1, "January", 1), "1   January   1");
}

TEST(Format, MissingExtraAndLiteralPercents)
{
	EXPECT_EQ(Format("no placeholders"), "no placeholders");
	EXPECT_EQ(Format("a%`b"), "ab");
	EXPECT_EQ(Format("%`-%`-%`", 1), "1--");
	EXPECT_EQ(Format("%`", 1, 2, 3), "1");
	EXPECT_EQ(Format("100%% of %`", 7), "100% of 7");
	EXPECT_EQ(Format("%d %", 5), "%d %");
	EXPECT_EQ(Format(""), "");
}

class DateFormat : public testing::Test {
protected:
	void TearDown() override { SetDateFormat("%2:02d/%3:02d/%1:4d"); }
};

TEST_F(DateFormat, PatternsOfTheLanguages)
{
	struct {
		const char* pattern;
		Date date;
		const char* text;
	} rows[] = {
		{ "%2:02d/%3:02d/%1:4d", Date(2014, 2, 28), "02/28/2014" },
		{ "%2:02d/%3:02d/%1:4d", Date(929, 10, 8), "10/08/ 929" },
		{ "%2:02d/%3:02d/%1:4d", Date(1, 1, 1), "01/01/   1" },
		{ "%2:02d/%3:02d/%1:4d", Date(0, 12, 31), "12/31/   0" },
		{ "%2:02d/%3:02d/%1:4d", Date(-929, 10, 8), "10/08/-929" },
		{ "%2:02d/%3:02d/%1:4d", Date(-4000, 1, 1), "01/01/-4000" },
		{ "%3:02d.%2:02d.%1:04d", Date(2014, 2, 28), "28.02.2014" },
		{ "%3:02d.%2:02d.%1:04d", Date(929, 10, 8), "08.10.0929" },
		{ "%3:02d.%2:02d.%1:04d", Date(-5, 1, 2), "02.01.-005" },
		{ "%1:04d-%2:02d-%3:02d", Date(2014, 2, 28), "2014-02-28" },
		{ "%3:d %2:d %1:d", Date(2014, 2, 8), "8 2 2014" },
		{ "%3:-3d|%%|%4:02d|%1", Date(2014, 2, 8), "8  |%|%4:02d|%1" },
		{ "%2:02d/%3:02d/%1:4d", Date(), "" },
	};
	for(const auto& r : rows) {
		SetDateFormat(r.pattern);
		EXPECT_EQ(Format(r.date), r.text) << r.pattern;
	}
}

TEST(DateNames, EnglishAndGerman)
{
	const int german = LNG_('D', 'E', 'D', 'E');
	EXPECT_EQ(DayName(0, LNG_ENGLISH), "Sunday");
	EXPECT_EQ(DayName(5, LNG_ENGLISH), "Friday");
	EXPECT_EQ(DayName(6, LNG_ENGLISH), "Saturday");
	EXPECT_EQ(MonthName(0, LNG_ENGLISH), "January");
	EXPECT_EQ(MonthName(9, LNG_ENGLISH), "October");
	EXPECT_EQ(MonthName(11, LNG_ENGLISH), "December");
	EXPECT_EQ(DayName(0, german), "Sonntag");
	EXPECT_EQ(DayName(5, german), "Freitag");
	EXPECT_EQ(MonthName(9, german), "Oktober");
	EXPECT_EQ(MonthName(2, SetLNGCharset(german, CHARSET_UTF8)), "März");
	// Month names stand alone on the screen, so the nominative form is wanted.
	EXPECT_EQ(MonthName(9, LNG_('R', 'U', 'R', 'U')), "октябрь");
}

TEST(DateNames, OutOfRangeAndUnknownLanguages)
{
	for(int lang : { 0, LNG_ENGLISH, LNG_('D', 'E', 'D', 'E') }) {
		EXPECT_EQ(DayName(-1, lang), "");
		EXPECT_EQ(DayName(7, lang), "");
		EXPECT_EQ(MonthName(-1, lang), "");
		EXPECT_EQ(MonthName(12, lang), "");
		EXPECT_EQ(DayName(INT_MIN, lang), "");
	}
	EXPECT_EQ(DayName(5, LNG_('J', 'A', 'J', 'P')), "Friday");
	EXPECT_EQ(MonthName(9, LNG_('C', 'S', 'C', 'Z')), "October");
}

TEST(DateNames, EachLanguageHasItsOwnNames)
{
	const int langs[] = { LNG_('F', 'R', 'F', 'R'), LNG_('E', 'S', 'E', 'S'), LNG_('P', 'T', 'P', 'T'),
						  LNG_('R', 'U', 'R', 'U'), LNG_('D', 'E', 'D', 'E'), LNG_('I', 'T', 'I', 'T'),
						  LNG_('Z', 'H', 'C', 'N'), LNG_('N', 'L', 'N', 'L'), LNG_('R', 'O', 'R', 'O') };
	for(int lang : langs) {
		EXPECT_NE(DayName(5, lang), "Friday") << lang;
		EXPECT_NE(MonthName(9, lang), "October") << lang;
		for(int i = 0; i < 7; i++)
			for(int j = 0; j < i; j++)
				EXPECT_NE(DayName(i, lang), DayName(j, lang)) << lang;
		for(int i = 0; i < 12; i++)
			for(int j = 0; j < i; j++)
				EXPECT_NE(MonthName(i, lang), MonthName(j, lang)) << lang;
	}
}
