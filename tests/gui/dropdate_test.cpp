// The date field as a user drives it: typing into its line edit, and picking days in its
// calendar with real mouse events.
#include <CtrlLib/DropDate.h>

#include "testutil.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include <cstring>

#include <gtest/gtest.h>

using namespace Upp;

namespace {

const int ENGLISH = SetLNGCharset(LNG_ENGLISH, CHARSET_UTF8);
const int GERMAN = SetLNGCharset(LNG_('D', 'E', 'D', 'E'), CHARSET_UTF8);

class DropDateTest : public ::testing::Test {
protected:
	ParentCtrl window;
	DropDate field;
	int actions = 0;

	void SetUp() override
	{
		SetLanguage(ENGLISH);
		window.SetRect(0, 0, 300, 260);
		window.Add(field.LeftPosZ(80, 100).TopPosZ(12, 24));
		field << [this] { actions++; };
		window.GetQWidget()->show();
		ASSERT_TRUE(QTest::qWaitForWindowExposed(window.GetQWidget()));
	}
	void TearDown() override
	{
		field.GetCalendar().GetQWidget()->hide();
		SetLanguage(ENGLISH);
	}

	QLineEdit* Edit() { return testutil::EditOf(field); }
	QWidget* Popup() { return field.GetCalendar().GetQWidget(); }
	void Type(const char* text) { testutil::Type(field, text); }

	void Open(Date d)
	{
		field.SetData(d);
		field.DropPopup();
		ASSERT_TRUE(field.IsPopupOpen());
	}
	QPoint CellCenter(Date d)
	{
		Rect r = field.GetCalendar().GetDayCellRect(d);
		EXPECT_GT(r.Width(), 0) << "day not on the sheet";
		return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
	}
	void Hover(Date d) { QTest::mouseMove(Popup(), CellCenter(d)); }
	void Click(Date d) { QTest::mouseClick(Popup(), Qt::LeftButton, {}, CellCenter(d)); }
};

enum Kind { EMPTY, ERROR, DATE };

struct TypedCase {
	const char* text;
	Kind kind;
	Date date;
};

void ExpectValue(const Value& v, const TypedCase& c)
{
	switch(c.kind) {
	case EMPTY: EXPECT_TRUE(v.IsVoid()) << '"' << c.text << '"'; break;
	case ERROR:
		EXPECT_TRUE(v.IsError()) << '"' << c.text << '"';
		EXPECT_TRUE(IsNull((Date)v));
		break;
	case DATE:
		ASSERT_TRUE(v.Is<Date>()) << '"' << c.text << '"';
		EXPECT_EQ((Date)v, c.date) << '"' << c.text << '"';
		break;
	}
}

TEST_F(DropDateTest, TypedTextGivesValue)
{
	const TypedCase cases[] = {
		{ "", EMPTY, {} },
		{ "   ", EMPTY, {} },
		{ "abc", ERROR, {} },
		{ "10/3/2014x", ERROR, {} },
		{ "10/3", ERROR, {} },
		{ "2/30/2014", ERROR, {} },
		{ "2/29/1900", ERROR, {} },
		{ "13/1/2014", ERROR, {} },
		{ "12/31/-4001", ERROR, {} },
		{ "1/2/4000", ERROR, {} },
		{ "1/1/-4000", DATE, Date::Low() },
		{ "1/1/4000", DATE, Date::High() },
		{ "10/3/2014", DATE, Date(2014, 10, 3) },
		{ " 10/03/2014 ", DATE, Date(2014, 10, 3) },
		{ "2/29/2000", DATE, Date(2000, 2, 29) },
		{ "10-3-2014", DATE, Date(2014, 10, 3) },
	};
	for(const TypedCase& c : cases) {
		field.SetText("");
		actions = 0;
		Type(c.text);
		EXPECT_EQ(field.GetText(), c.text);
		ExpectValue(field.GetData(), c);
		EXPECT_EQ(actions, (int)strlen(c.text)) << "one action per keystroke";
	}
}

TEST_F(DropDateTest, LimitsAreInclusive)
{
	field.MinMax(Date(2000, 1, 1), Date(2000, 12, 31));
	const TypedCase cases[] = {
		{ "12/31/1999", ERROR, {} },
		{ "1/1/2000", DATE, Date(2000, 1, 1) },
		{ "12/31/2000", DATE, Date(2000, 12, 31) },
		{ "1/1/2001", ERROR, {} },
	};
	for(const TypedCase& c : cases) {
		field.SetText(c.text);
		ExpectValue(field.GetData(), c);
	}
}

TEST_F(DropDateTest, ProgramSetValuesRunNoAction)
{
	field.SetData(Date(2014, 10, 3));
	EXPECT_EQ(field.GetText(), "10/03/2014");
	field.SetText("garbage");
	EXPECT_TRUE(field.GetData().IsError());
	// Null, the error value and the Null date empty the field, as an empty text does.
	for(const Value& v : { Value(), ErrorValue(), Value(Date()) }) {
		field.SetData(Date(2014, 10, 3));
		field.SetData(v);
		EXPECT_EQ(field.GetText(), "");
	}
	field.SetData(Date(2014, 10, 3));
	field.SetText(String());
	EXPECT_TRUE(field.GetData().IsVoid());
	EXPECT_EQ(actions, 0);
}

TEST_F(DropDateTest, DropButtonOpensOnTheFieldsDateAndCloses)
{
	field.SetData(Date(2014, 3, 15));
	QToolButton* button = Edit()->findChild<QToolButton*>();
	ASSERT_NE(button, nullptr);
	EXPECT_TRUE(Edit()->rect().contains(button->geometry()));
	// Through the window, as the pointer does, so that the open pop-up sees the press first;
	// Qt hands a press that closed a pop-up on to the widget under it by a posted event.
	QWindow* win = window.GetQWidget()->windowHandle();
	QPoint at = button->mapTo(window.GetQWidget(), button->rect().center());
	auto click = [&] {
		QTest::mousePress(win, Qt::LeftButton, {}, at);
		QApplication::processEvents();
		QTest::mouseRelease(win, Qt::LeftButton, {}, at);
		QApplication::processEvents();
	};
	click();
	ASSERT_TRUE(field.IsPopupOpen());
	const Calendar& cal = field.GetCalendar();
	EXPECT_EQ(cal.GetShownYear(), 2014);
	EXPECT_EQ(cal.GetShownMonth(), 3);
	EXPECT_EQ(cal.GetDate(), Date(2014, 3, 15));
	EXPECT_GE(Popup()->geometry().top(), Edit()->mapToGlobal(QPoint(0, Edit()->height())).y());
	click();
	EXPECT_FALSE(field.IsPopupOpen());
	click();
	EXPECT_TRUE(field.IsPopupOpen());
	EXPECT_EQ(field.GetText(), "03/15/2014");
	EXPECT_EQ(actions, 0);
}

TEST_F(DropDateTest, NoDateOpensOnToday)
{
	for(const char* text : { "", "garbage", "1/2/4000" }) {
		field.SetText(text);
		field.DropPopup();
		ASSERT_TRUE(field.IsPopupOpen()) << text;
		Date today = GetSysDate();
		EXPECT_EQ(field.GetCalendar().GetShownYear(), today.year) << text;
		EXPECT_EQ(field.GetCalendar().GetShownMonth(), today.month) << text;
		EXPECT_TRUE(IsNull(field.GetCalendar().GetDate())) << text;
		Popup()->hide();
	}
}

TEST_F(DropDateTest, PickingDays)
{
	// March 2014 begins on a Saturday: the sheet starts on Sunday 23 February and ends on
	// Saturday 5 April.
	struct {
		bool selectall;
		Date day;
		bool picked;
	} cases[] = {
		{ false, Date(2014, 3, 20), true }, { true, Date(2014, 3, 20), true }, { false, Date(2014, 2, 23), false },
		{ false, Date(2014, 4, 5), false }, { true, Date(2014, 2, 23), true }, { true, Date(2014, 4, 5), true },
	};
	for(const auto& c : cases) {
		SCOPED_TRACE(testing::Message() << c.selectall << " " << c.day.month << "/" << (int)c.day.day);
		actions = 0;
		field.SelectAll(c.selectall);
		Open(Date(2014, 3, 15));
		const Calendar& cal = field.GetCalendar();
		Hover(c.day);
		EXPECT_EQ(cal.GetHotDate(), c.picked ? c.day : Date());
		Click(c.day);
		EXPECT_EQ(field.IsPopupOpen(), !c.picked);
		EXPECT_EQ(field.GetText(), Format(c.picked ? c.day : Date(2014, 3, 15)));
		EXPECT_EQ(actions, c.picked ? 1 : 0);
		EXPECT_EQ(cal.GetShownMonth(), c.picked ? c.day.month : 3);
		Popup()->hide();
	}
}

TEST_F(DropDateTest, EscapeAndOutsideClickCloseWithoutChange)
{
	Open(Date(2014, 3, 15));
	QTest::keyClick(Popup(), Qt::Key_Escape);
	EXPECT_FALSE(field.IsPopupOpen());

	Open(Date(2014, 3, 15));
	QTest::mouseClick(Popup(), Qt::LeftButton, {}, QPoint(-20, -20));
	EXPECT_FALSE(field.IsPopupOpen());

	EXPECT_EQ(field.GetText(), "03/15/2014");
	EXPECT_EQ(actions, 0);
}

TEST_F(DropDateTest, MonthButtonsStayWithinTheLimits)
{
	field.MinMax(Date(2014, 1, 1), Date(2014, 12, 31));
	Open(Date(2014, 1, 15));
	QList<QToolButton*> buttons = Popup()->findChildren<QToolButton*>();
	ASSERT_EQ(buttons.size(), 2);
	QToolButton* prev = buttons[0]->arrowType() == Qt::LeftArrow ? buttons[0] : buttons[1];
	QToolButton* next = prev == buttons[0] ? buttons[1] : buttons[0];
	const Calendar& cal = field.GetCalendar();
	EXPECT_FALSE(prev->isEnabled());

	// The sheet of January 2014 starts on 29 December 2013, outside the limits.
	field.SelectAll(true);
	Hover(Date(2013, 12, 29));
	EXPECT_TRUE(IsNull(cal.GetHotDate()));
	Click(Date(2013, 12, 29));
	EXPECT_TRUE(field.IsPopupOpen());
	EXPECT_EQ(actions, 0);

	for(int i = 0; i < 11; i++)
		QTest::mouseClick(next, Qt::LeftButton);
	EXPECT_EQ(cal.GetShownMonth(), 12);
	EXPECT_FALSE(next->isEnabled());
	QTest::mouseClick(prev, Qt::LeftButton);
	EXPECT_EQ(cal.GetShownMonth(), 11);
	EXPECT_EQ(cal.GetShownYear(), 2014);
	EXPECT_EQ(actions, 0);
}

TEST_F(DropDateTest, ExtremeDatesOpen)
{
	for(Date d : { Date::Low(), Date::High() }) {
		Open(d);
		EXPECT_EQ(field.GetCalendar().GetShownYear(), d.year);
		Click(d);
		EXPECT_EQ((Date)field.GetData(), d);
	}
	EXPECT_EQ(actions, 2);
}

TEST_F(DropDateTest, FollowsTheLanguage)
{
	SetLanguage(GERMAN);
	Type("3.10.2014");
	ExpectValue(field.GetData(), { "3.10.2014", DATE, Date(2014, 10, 3) });

	// The week starts on Monday: Monday 3 March 2014 stands left of Sunday 2 March.
	Open(Date(2014, 3, 15));
	const Calendar& cal = field.GetCalendar();
	EXPECT_LT(cal.GetDayCellRect(Date(2014, 3, 3)).left, cal.GetDayCellRect(Date(2014, 3, 2)).left);
	Click(Date(2014, 3, 20));
	EXPECT_EQ(field.GetText(), "20.03.2014");
}

} // namespace
