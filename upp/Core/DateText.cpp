#include "DateText.h"

#include "Lang.h"

#include <QLocale>

#include <array>
#include <cstdio>
#include <cstring>
#include <map>

namespace Upp {

namespace {

struct Names {
	std::array<String, 7> days;
	std::array<String, 12> months;
};

// Names come only in a language the framework has texts for, so that they never mix with
// another language's date pattern; any other language gets the English ones.
const Names& NamesOf(int lang)
{
	static std::map<String, Names> cache;
	if(lang == 0)
		lang = GetCurrentLanguage();
	String name = HasFrameworkTexts(lang) ? LanguageLocaleName(lang) : "en_US";
	auto q = cache.find(name);
	if(q != cache.end())
		return q->second;
	// Stand-alone names are the nominative forms ("октябрь", not "октября").
	QLocale locale{ QString::fromStdString(name) };
	Names& n = cache[name];
	for(int i = 0; i < 7; i++)
		n.days[i] = locale.standaloneDayName(i == 0 ? 7 : i, QLocale::LongFormat).toStdString();
	for(int i = 0; i < 12; i++)
		n.months[i] = locale.standaloneMonthName(i + 1, QLocale::LongFormat).toStdString();
	return n;
}

} // namespace

String DayName(int i, int lang) { return i >= 0 && i < 7 ? NamesOf(lang).days[i] : String(); }

String MonthName(int i, int lang) { return i >= 0 && i < 12 ? NamesOf(lang).months[i] : String(); }

namespace {

struct DateTexts {
	String pattern = "%2:02d/%3:02d/%1:4d";
	char order[3] = { 'm', 'd', 'y' };
	String separators = "/ .-";
};

// Anything but an arrangement of y, m and d would make typed dates unreadable; keep the old one.
void SetOrder(DateTexts& texts, const char* order)
{
	if(!order || strlen(order) != 3)
		return;
	char o[3];
	for(int i = 0; i < 3; i++) {
		o[i] = (char)(order[i] | 0x20);
		if(!strchr("ymd", o[i]) || memchr(o, o[i], i))
			return;
	}
	memcpy(texts.order, o, 3);
}

// The first use after each SetLanguage takes that language's texts from the translation
// tables; a text set directly holds until the language is set again.
DateTexts& Texts()
{
	static DateTexts texts;
	static int serial = -1;
	if(serial != GetLanguageSerial()) {
		serial = GetLanguageSerial();
		texts.pattern = t_("date-format\a%2:02d/%3:02d/%1:4d");
		SetOrder(texts, t_("date-scan\amdy"));
		texts.separators = t_("date-filter\a/ .-");
	}
	return texts;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

const char* SkipBlanks(const char* s)
{
	while(IsBlank(*s))
		s++;
	return s;
}

} // namespace

void SetDateFormat(const char* pattern) { Texts().pattern = pattern ? pattern : ""; }

void SetDateScan(const char* order) { SetOrder(Texts(), order); }

void SetDateFilter(const char* separators) { Texts().separators = separators ? separators : ""; }

String Format(Date d)
{
	if(IsNull(d))
		return String();
	String out;
	const char* s = Texts().pattern.c_str();
	while(*s) {
		if(s[0] == '%' && s[1] == '%') {
			out += '%';
			s += 2;
			continue;
		}
		// %N:[flags][width]d, rebuilt as a printf conversion of the chosen field
		if(s[0] == '%' && s[1] >= '1' && s[1] <= '3' && s[2] == ':') {
			const char* p = s + 3;
			String spec = "%";
			while(*p == '0' || *p == '-')
				spec += *p++;
			for(int n = 0; n < 2 && *p >= '0' && *p <= '9'; n++)
				spec += *p++;
			if(*p == 'd') {
				spec += 'd';
				int value = s[1] == '1' ? d.year : s[1] == '2' ? d.month : d.day;
				char b[32];
				snprintf(b, sizeof b, spec.c_str(), value);
				out += b;
				s = p + 1;
				continue;
			}
		}
		out += *s++;
	}
	return out;
}

std::optional<Date> StrToDate(const String& text)
{
	// The reader below would stop at a zero byte and take what stands before it for the whole.
	if(text.find('\0') != String::npos)
		return std::nullopt;
	return StrToDate(text.c_str());
}

std::optional<Date> StrToDate(const char* text)
{
	const DateTexts& t = Texts();
	const char* s = SkipBlanks(text ? text : "");
	if(!*s)
		return Date();
	int year = 0, month = 0, day = 0;
	for(int i = 0; i < 3; i++) {
		if(i > 0) {
			const char* p = SkipBlanks(s);
			if(*p && !IsBlank(*p) && strchr(t.separators.c_str(), *p))
				s = SkipBlanks(p + 1);
			else if(p > s && strchr(t.separators.c_str(), ' '))
				s = p;
			else
				return std::nullopt;
		}
		bool negative = t.order[i] == 'y' && *s == '-';
		s += negative;
		int value = 0, digits = 0;
		for(; *s >= '0' && *s <= '9'; s++)
			if(++digits > 4)
				return std::nullopt;
			else
				value = 10 * value + (*s - '0');
		if(digits == 0)
			return std::nullopt;
		(t.order[i] == 'y' ? year : t.order[i] == 'm' ? month : day) = negative ? -value : value;
	}
	if(*SkipBlanks(s))
		return std::nullopt;
	if(day < 1 || day > GetDaysOfMonth(month, year))
		return std::nullopt;
	return Date(year, month, day);
}

} // namespace Upp
