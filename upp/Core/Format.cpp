#include "Format.h"

#include "DateText.h"

namespace Upp {

namespace {

String PlainText(const Value& v)
{
	// An integer prints as its number even when it is the integer Null.
	if(v.Is<int>())
		return std::to_string((int)v);
	if(v.Is<Date>())
		return Format((Date)v);
	return v.ToString();
}

} // namespace

String FormatValues(const char* fmt, const Value* values, int count)
{
	String out;
	int next = 0;
	for(const char* s = fmt ? fmt : ""; *s; s++) {
		if(s[0] == '%' && s[1] == '`') {
			if(next < count)
				out += PlainText(values[next]);
			next++;
			s++;
		}
		else if(s[0] == '%' && s[1] == '%')
			out += *s++;
		else
			out += *s;
	}
	return out;
}

} // namespace Upp
