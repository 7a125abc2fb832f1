#ifndef QIMVOR_DATECALC_H
#define QIMVOR_DATECALC_H

// The arithmetic of the two calculations: dates and counts in, a span or a date out. It reads
// no widget, refuses no input and makes no text; the window's handlers do that around it.
#include <Core/Core.h>

#include <optional>

// The span from S to an end date E. Whole years and months are estimates from average lengths
// laid on the calendar, so days is what is left up to E: it may be negative or above 31.
struct DaySpan {
	int years = 0;
	int months = 0;
	int days = 0;
	int total = 0; // E - S in days
};

// E follows from the picked end date by the counting mode: 0 Normal, the picked date;
// 1 Include Both Dates, the day after; 2 Exclude Both Dates, the day before. Any other mode
// gives no span.
std::optional<DaySpan> DayDifference(Upp::Date S, Upp::Date picked, int mode);

// d moved by y years, then m months, then n days: forward for op 0 (Add), backward for op 1
// (Subtract). Any other op gives no date.
std::optional<Upp::Date> SpecificDate(Upp::Date d, int y, int m, int n, int op);

#endif
