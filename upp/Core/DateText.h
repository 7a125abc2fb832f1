#ifndef UPP_CORE_DATETEXT_H
#define UPP_CORE_DATETEXT_H

#include "Date.h"

#include <optional>

namespace Upp {

// Names in the given language (0 = the current one), as Qt's locale data give them; in English
// for a language the framework has no texts for (see HasFrameworkTexts); "" for an index out
// of range.
String DayName(int i, int lang = 0);   // 0 = Sunday
String MonthName(int i, int lang = 0); // 0 = January

// The date texts. Each SetLanguage brings the language's own from the translation tables
// ("date-format", "date-scan", "date-filter"); one set here holds until the next SetLanguage.
// The pattern places the year (%1), month (%2) and day (%3) with printf flags and width, e.g.
// "%2:02d/%3:02d/%1:4d". The scan order is "mdy", "dmy" or "ymd"; the filter lists the
// single-byte separators accepted between the three numbers.
void SetDateFormat(const char* pattern);
void SetDateScan(const char* order);
void SetDateFilter(const char* separators);

String Format(Date d); // "" for the Null date

// Reads a typed date in the current order and separators. A blank text reads as the Null
// date; a text that is no date of the calendar reads as nothing. The whole text is read: a zero
// byte in it, or anything left after the date, makes it no date.
std::optional<Date> StrToDate(const String& text);
std::optional<Date> StrToDate(const char* text);

} // namespace Upp

#endif
