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

// What E is for a picked end date: the picked date, the day after it, or the day before it.
// The values are those of the cases of the window's counting-mode switch.
enum class CountingMode { NORMAL = 0, INCLUDE_BOTH_DATES = 1, EXCLUDE_BOTH_DATES = 2 };

// Forward or backward, numbered as the cases of the window's Add/Subtract switch.
enum class Direction { ADD = 0, SUBTRACT = 1 };

// A switch's value as one of its cases; nothing for any other value, Null included.
std::optional<CountingMode> ToCountingMode(int value);
std::optional<Direction> ToDirection(int value);

DaySpan DayDifference(Upp::Date S, Upp::Date picked, CountingMode mode);

// d moved by y years, then m months, then n days, in the given direction.
Upp::Date SpecificDate(Upp::Date d, int y, int m, int n, Direction op);

#endif
