#ifndef UPP_CTRLLIB_CALENDAR_H
#define UPP_CTRLLIB_CALENDAR_H

#include <CtrlCore/CtrlCore.h>

namespace Upp {

// A month sheet: a header with the month, the year and buttons to the previous and next
// month, a row of weekday names and six weeks of days. A click on a day picks it and runs
// the action. Days outside the limits are shown but cannot be picked.
class Calendar : public Ctrl {
	class Grid;
	friend class Grid;

	Grid* grid;
	Date selected;   // the picked day, or Null
	Date hot;        // the pickable day under the pointer, or Null
	int year = 2000; // the month on show
	int month = 1;
	Date min = Date::Low();
	Date max = Date::High();
	bool selectall = true; // days of the neighbouring months can be picked

	Date GetFirstCell() const;
	bool IsPickable(Date d) const;
	void SetHot(Date d);
	void Pick(Date d);
	void Step(int months);

public:
	Calendar();

	// Days of the previous and next month around the one on show: whether they light up
	// under the pointer and can be picked (moving the sheet to their month).
	Calendar& SelectAll(bool b = true);
	bool IsSelectAll() const { return selectall; }
	Calendar& MinMax(Date min, Date max);

	// The picked day; setting one also shows its month.
	void SetDate(Date d);
	Date GetDate() const { return selected; }
	void SetData(const Value& v) override;
	Value GetData() const override;

	// Shows a month, kept within the months of the limits.
	void ShowMonth(int year, int month);
	int GetShownYear() const { return year; }
	int GetShownMonth() const { return month; }

	Date GetHotDate() const { return hot; }
	// The cell of a day on the sheet in the widget's pixels; empty when the day is not on it.
	Rect GetDayCellRect(Date d) const;
};

} // namespace Upp

#endif
