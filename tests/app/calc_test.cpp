// Both calculations through the real widgets: dates typed, cases clicked, Calculate pressed.
#include "apptest.h"

#include <QClipboard>

using namespace testutil;

namespace {

struct DiffRow {
	const char* from;
	const char* to;
	int mode;
	const char* result;
	const char* total;
};

// start, end, mode, then the two texts exactly as shown, blanks included.
const DiffRow DIFF[] = {
	{ "10/03/2014", "10/03/2014", 0, "0  Years   0  Months   0  Days", "0  Days" },
	{ "10/03/2014", "10/03/2014", 1, "0  Years   0  Months   1  Days", "1  Days" },
	{ "10/03/2014", "10/03/2014", 2, "0  Years   0  Months   -1  Days", "-1  Days" },
	{ "10/03/2014", "10/04/2014", 2, "0  Years   0  Months   0  Days", "0  Days" },
	{ "10/03/2014", "10/04/2014", 1, "0  Years   0  Months   2  Days", "2  Days" },
	{ "03/01/2013", "03/01/2014", 0, "0  Years   11  Months   28  Days", "365  Days" },
	{ "03/01/2013", "03/01/2014", 1, "1  Years   0  Months   1  Days", "366  Days" },
	{ "03/01/2013", "03/01/2014", 2, "0  Years   11  Months   27  Days", "364  Days" },
	{ "03/01/2015", "03/01/2016", 0, "1  Years   0  Months   0  Days", "366  Days" },
	{ "01/01/2014", "12/31/2014", 0, "0  Years   11  Months   30  Days", "364  Days" },
	{ "01/01/2014", "12/31/2014", 1, "0  Years   11  Months   31  Days", "365  Days" },
	{ "01/31/2014", "03/03/2014", 0, "0  Years   1  Months   3  Days", "31  Days" },
	{ "01/31/2014", "02/28/2014", 0, "0  Years   0  Months   28  Days", "28  Days" },
	{ "02/29/2012", "02/29/2016", 0, "4  Years   0  Months   0  Days", "1461  Days" },
	{ "02/29/2012", "02/28/2013", 0, "0  Years   11  Months   30  Days", "365  Days" },
	{ "02/29/2012", "03/01/2013", 0, "1  Years   0  Months   1  Days", "366  Days" },
	{ "03/01/1995", "08/31/1995", 0, "0  Years   6  Months   -1  Days", "183  Days" },
	{ "01/01/1995", "04/02/1995", 0, "0  Years   2  Months   32  Days", "91  Days" },
	{ "03/25/1995", "03/25/2104", 0, "108  Years   12  Months   0  Days", "39812  Days" },
	{ "01/01/1900", "01/01/2000", 0, "99  Years   11  Months   31  Days", "36524  Days" },
	{ "01/01/2000", "10/03/2014", 0, "14  Years   9  Months   2  Days", "5389  Days" },
	{ "01/01/1", "12/31/3999", 0, "3998  Years   11  Months   30  Days", "1460603  Days" },
};

struct DateRow {
	const char* start;
	int op, years, months, days;
	const char* date;
	const char* dayname;
	const char* line;
};

const DateRow DATE[] = {
	{ "10/03/2014", 0, 0, 0, 0, "10/03/2014", "Friday", "3   October   2014" },
	{ "01/31/2014", 0, 0, 1, 0, "02/28/2014", "Friday", "28   February   2014" },
	{ "01/31/2012", 0, 0, 1, 0, "02/29/2012", "Wednesday", "29   February   2012" },
	{ "02/29/2012", 0, 1, 0, 0, "02/28/2013", "Thursday", "28   February   2013" },
	{ "02/29/2012", 0, 4, 0, 0, "02/29/2016", "Monday", "29   February   2016" },
	{ "02/29/2012", 1, 1, 0, 0, "02/28/2011", "Monday", "28   February   2011" },
	{ "02/29/2012", 1, 0, 12, 0, "02/28/2011", "Monday", "28   February   2011" },
	{ "03/31/2014", 1, 0, 1, 0, "02/28/2014", "Friday", "28   February   2014" },
	{ "01/30/2014", 0, 0, 1, 1, "03/01/2014", "Saturday", "1   March   2014" },
	{ "01/29/2011", 0, 1, 1, 0, "02/29/2012", "Wednesday", "29   February   2012" },
	{ "03/31/2014", 1, 1, 1, 1, "02/27/2013", "Wednesday", "27   February   2013" },
	{ "12/31/2014", 0, 0, 0, 1, "01/01/2015", "Thursday", "1   January   2015" },
	{ "03/01/1900", 1, 0, 0, 1, "02/28/1900", "Wednesday", "28   February   1900" },
	{ "03/01/2000", 1, 0, 0, 1, "02/29/2000", "Tuesday", "29   February   2000" },
	{ "10/03/2014", 1, 0, 10, 0, "12/03/2013", "Tuesday", "3   December   2013" },
	{ "10/03/2014", 1, 0, 0, 999, "01/08/2012", "Sunday", "8   January   2012" },
	{ "10/03/2014", 0, 999, 999, 999, "09/29/3099", "Friday", "29   September   3099" },
	{ "10/03/2014", 1, 999, 999, 999, "10/08/ 929", "Saturday", "8   October   929" },
	{ "01/01/4000", 0, 999, 999, 999, "12/25/5084", "Thursday", "25   December   5084" },
	{ "01/01/1000", 1, 999, 0, 0, "01/01/   1", "Monday", "1   January   1" },
};

void TypeCount(EditIntSpin& f, int n) { Type(f, std::to_string(n).c_str()); }

} // namespace

TEST_F(AppTest, DayDifferenceWorkedResults)
{
	auto& p = app.diffPage;
	for(const DiffRow& r : DIFF) {
		Type(p.frdt, r.from);
		Type(p.todt, r.to);
		ClickCase(p.opdftp, r.mode);
		auto msgs = CollectMessages([&] { Click(p.bcal); });
		EXPECT_TRUE(msgs.empty()) << r.from << " " << r.to;
		EXPECT_EQ(p.result.GetText(), r.result) << r.from << " " << r.to << " mode " << r.mode;
		EXPECT_EQ(p.lunbrek.GetText(), r.total) << r.from << " " << r.to << " mode " << r.mode;
	}
}

TEST_F(AppTest, SpecificDateWorkedResults)
{
	auto& p = app.datePage;
	for(const DateRow& r : DATE) {
		Type(p.frmdate, r.start);
		ClickCase(p.swop, r.op);
		TypeCount(p.yr, r.years);
		TypeCount(p.mn, r.months);
		TypeCount(p.ds, r.days);
		auto msgs = CollectMessages([&] { Click(p.bcalc); });
		EXPECT_TRUE(msgs.empty());
		std::string what = std::string(r.start) + (r.op ? " - " : " + ") + std::to_string(r.years) + "y " +
						   std::to_string(r.months) + "m " + std::to_string(r.days) + "d";
		EXPECT_EQ(p.strdate.GetText(), r.date) << what;
		EXPECT_EQ(p.strdayname.GetText(), r.dayname) << what;
		EXPECT_EQ(p.stres.GetText(), r.line) << what;
	}
}

TEST_F(AppTest, DayDifferenceRefusesMissingOrReversedDatesInOrder)
{
	auto& p = app.diffPage;
	struct Case {
		const char* from;
		const char* to;
		const char* message;
	} cases[] = {
		{ "", "", "Null value not allowed." },
		{ "", "abc", "Null value not allowed." },
		{ "10/03/2014", "abc", "Null value not allowed." },
		{ "abc", "10/03/2014", "Null value not allowed." },
		{ "10/03/2014", "", "Null value not allowed." },
		{ "10/03/2014", "02/30/2014", "Null value not allowed." },
		{ "10/04/2014", "10/03/2014", "Start date should be less than end date!!!" },
		{ "01/02/4000", "01/03/4000", "Null value not allowed." },
	};
	for(const Case& c : cases) {
		// A result from before must survive a refused calculation.
		Type(p.frdt, "01/01/2014");
		Type(p.todt, "01/02/2014");
		Click(p.bcal);
		Type(p.frdt, c.from);
		Type(p.todt, c.to);
		p.result.SetText("kept");
		p.lunbrek.SetText("kept too");
		auto msgs = CollectMessages([&] { Click(p.bcal); });
		ASSERT_EQ(msgs.size(), 1u) << c.from << " / " << c.to;
		EXPECT_EQ(msgs[0], c.message);
		EXPECT_EQ(p.result.GetText(), "kept");
		EXPECT_EQ(p.lunbrek.GetText(), "kept too");
	}
}

TEST_F(AppTest, CountingModeOutsideTheCasesDoesNothing)
{
	auto& p = app.diffPage;
	Type(p.frdt, "10/03/2014");
	Type(p.todt, "10/05/2014");
	p.opdftp.SetData(7);
	p.result.SetText("kept");
	auto msgs = CollectMessages([&] { Click(p.bcal); });
	EXPECT_TRUE(msgs.empty());
	EXPECT_EQ(p.result.GetText(), "kept");
	p.opdftp.SetData(Value());
	msgs = CollectMessages([&] { Click(p.bcal); });
	EXPECT_TRUE(msgs.empty());
	EXPECT_EQ(p.result.GetText(), "kept");
}

TEST_F(AppTest, SpecificDateRefusesAMissingStartDate)
{
	auto& p = app.datePage;
	for(const char* text : { "", "garbage", "13/45/2014" }) {
		Type(p.frmdate, text);
		p.strdate.SetText("kept");
		auto msgs = CollectMessages([&] { Click(p.bcalc); });
		ASSERT_EQ(msgs.size(), 1u) << text;
		EXPECT_EQ(msgs[0], "Null value not allowed.");
		EXPECT_EQ(p.strdate.GetText(), "kept");
	}
	Type(p.frmdate, "10/03/2014");
	p.swop.SetData(5);
	p.strdate.SetText("kept");
	auto msgs = CollectMessages([&] { Click(p.bcalc); });
	EXPECT_TRUE(msgs.empty());
	EXPECT_EQ(p.strdate.GetText(), "kept");
}

TEST_F(AppTest, CountFieldsStayWithinTheirLimits)
{
	auto& p = app.datePage;
	Type(p.frmdate, "10/03/2014");
	ClickCase(p.swop, 0);
	// Text that is no count in range never reaches the calculation: the field keeps its
	// last number and shows it again once editing ends.
	TypeCount(p.yr, 5);
	for(const char* bad : { "", "1000", "-1", "x" }) {
		Type(p.yr, bad);
		Click(p.bcalc);
		int n = p.yr.GetData();
		EXPECT_GE(n, 0) << bad;
		EXPECT_LE(n, 999) << bad;
		EXPECT_FALSE(p.strdate.GetText().empty()) << bad;
	}
}

TEST_F(AppTest, InformationLinesFollowTheirDates)
{
	struct Case {
		const char* typed;
		const char* line;
	} cases[] = {
		{ "10/03/2014", "Friday ,  3  October  2014" },
		{ "02/29/2000", "Tuesday ,  29  February  2000" },
		{ "03/01/2000", "Wednesday ,  1  March  2000" },
		{ "02/29/2001", "" },
		{ "garbage", "" },
		{ "", "" },
	};
	for(const Case& c : cases) {
		Type(app.diffPage.frdt, c.typed);
		Type(app.diffPage.todt, c.typed);
		Type(app.datePage.frmdate, c.typed);
		EXPECT_EQ(app.diffPage.frmdtinfo.GetText(), c.line) << c.typed;
		EXPECT_EQ(app.diffPage.todtinfo.GetText(), c.line) << c.typed;
		EXPECT_EQ(app.datePage.frmdtinfo.GetText(), c.line) << c.typed;
	}
}

TEST_F(AppTest, APastedZeroByteMakesTheWholeTextNoDate)
{
	const QString pasted = QString("01/02/2020") + QChar(0) + "xyz";
	struct Field {
		DropDate& field;
		StaticText& line;
		Button& calculate;
		DropDate* other; // given a good date, so that only the pasted one is refused
	} fields[] = {
		{ app.diffPage.frdt, app.diffPage.frmdtinfo, app.diffPage.bcal, &app.diffPage.todt },
		{ app.diffPage.todt, app.diffPage.todtinfo, app.diffPage.bcal, &app.diffPage.frdt },
		{ app.datePage.frmdate, app.datePage.frmdtinfo, app.datePage.bcalc, nullptr },
	};
	for(Field& f : fields) {
		if(f.other)
			Type(*f.other, "01/01/2020");
		Type(f.field, "01/01/2020");
		ASSERT_NE(f.line.GetText(), "");
		QLineEdit* e = EditOf(f.field);
		e->selectAll();
		QApplication::clipboard()->setText(pasted);
		QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
		ASSERT_EQ(e->text(), pasted);
		EXPECT_EQ(f.line.GetText(), "") << f.field.GetLayoutId();
		auto msgs = CollectMessages([&] { Click(f.calculate); });
		ASSERT_EQ(msgs.size(), 1u) << f.field.GetLayoutId();
		EXPECT_EQ(msgs[0], "Null value not allowed.");
	}
	EXPECT_EQ(app.diffPage.result.GetText(), "");
	EXPECT_EQ(app.datePage.strdate.GetText(), "");
}

TEST_F(AppTest, GermanInformationLineUsesGermanNames)
{
	Apply(5);
	Type(app.datePage.frmdate, "03.10.2014");
	EXPECT_EQ(app.datePage.frmdtinfo.GetText(), "Freitag ,  3  Oktober  2014");
}

TEST_F(AppTest, AnInputChangeEmptiesOnlyItsOwnPagesResults)
{
	auto fill = [&] {
		Type(app.diffPage.frdt, "10/03/2014");
		Type(app.diffPage.todt, "10/05/2014");
		Click(app.diffPage.bcal);
		Type(app.datePage.frmdate, "10/03/2014");
		Click(app.datePage.bcalc);
		ASSERT_FALSE(app.diffPage.result.GetText().empty());
		ASSERT_FALSE(app.datePage.strdate.GetText().empty());
	};
	auto diffEmpty = [&] { return app.diffPage.result.GetText().empty() && app.diffPage.lunbrek.GetText().empty(); };
	auto dateEmpty = [&] {
		return app.datePage.strdate.GetText().empty() && app.datePage.stres.GetText().empty() &&
			   app.datePage.strdayname.GetText().empty();
	};
	struct Change {
		const char* what;
		std::function<void()> act;
		bool diffPage;
	} changes[] = {
		{ "frdt", [&] { QTest::keyClick(EditOf(app.diffPage.frdt), Qt::Key_Backspace); }, true },
		{ "todt", [&] { QTest::keyClick(EditOf(app.diffPage.todt), Qt::Key_Backspace); }, true },
		{ "opdftp", [&] { ClickCase(app.diffPage.opdftp, 1); }, true },
		{ "frmdate", [&] { QTest::keyClick(EditOf(app.datePage.frmdate), Qt::Key_Backspace); }, false },
		{ "swop", [&] { ClickCase(app.datePage.swop, 1); }, false },
		{ "yr", [&] { TypeCount(app.datePage.yr, 3); }, false },
		{ "mn", [&] { TypeCount(app.datePage.mn, 3); }, false },
		{ "ds", [&] { TypeCount(app.datePage.ds, 3); }, false },
	};
	for(auto& c : changes) {
		app.diffPage.opdftp.SetData(0);
		app.datePage.swop.SetData(0);
		fill();
		c.act();
		EXPECT_EQ(diffEmpty(), c.diffPage) << c.what;
		EXPECT_EQ(dateEmpty(), !c.diffPage) << c.what;
	}
}

TEST_F(AppTest, DatesBeforeYearOneGiveDefinedResults)
{
	Type(app.diffPage.frdt, "01/01/-4000");
	Type(app.diffPage.todt, "01/01/4000");
	auto msgs = CollectMessages([&] { Click(app.diffPage.bcal); });
	EXPECT_TRUE(msgs.empty());
	EXPECT_EQ(app.diffPage.lunbrek.GetText(), "2921940  Days");
	Type(app.datePage.frmdate, "01/01/-4000");
	ClickCase(app.datePage.swop, 1);
	TypeCount(app.datePage.yr, 999);
	TypeCount(app.datePage.mn, 999);
	TypeCount(app.datePage.ds, 999);
	msgs = CollectMessages([&] { Click(app.datePage.bcalc); });
	EXPECT_TRUE(msgs.empty());
	EXPECT_FALSE(app.datePage.strdate.GetText().empty());
	EXPECT_FALSE(app.datePage.stres.GetText().empty());
}
