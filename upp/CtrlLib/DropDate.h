#ifndef UPP_CTRLLIB_DROPDATE_H
#define UPP_CTRLLIB_DROPDATE_H

#include "Calendar.h"

namespace Upp {

// A date typed in the current language's order and separators, or picked from a calendar
// that drops down from the button at the right. Its value is Null when the text is empty, the
// error value when the text is no date or a date outside the limits, else the date.
class DropDate : public Ctrl {
	class Edit;
	friend class Edit;

	Edit* edit;
	Calendar calendar;
	Date min = Date::Low();
	Date max = Date::High();

	void Picked();

public:
	DropDate();

	void SetData(const Value& v) override;
	Value GetData() const override;

	void SetText(const String& text);
	void SetText(const char* text) { SetText(String(text ? text : "")); }
	String GetText() const;

	DropDate& MinMax(Date min, Date max);
	DropDate& SelectAll(bool b = true);
	bool IsSelectAll() const { return calendar.IsSelectAll(); }

	void DropPopup();
	bool IsPopupOpen() const;
	Calendar& GetCalendar() { return calendar; }
};

} // namespace Upp

#endif
