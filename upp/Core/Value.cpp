#include "Value.h"

#include "Stream.h"

namespace Upp {

const Nuller Null;

int Value::GetType() const
{
	switch(v.index()) {
	case 1: return INT_V;
	case 2: return STRING_V;
	case 3: return DATE_V;
	case 4: return ERROR_V;
	default: return VOID_V;
	}
}

bool Value::IsNull() const
{
	switch(v.index()) {
	case 1: return std::get<int>(v) == INT_NULL;
	case 2: return std::get<String>(v).empty();
	case 3: return Upp::IsNull(std::get<Date>(v));
	default: return true;
	}
}

Value::operator int() const
{
	if(auto p = std::get_if<int>(&v))
		return *p;
	return INT_NULL;
}

Value::operator Date() const
{
	if(auto p = std::get_if<Date>(&v))
		return *p;
	return Date();
}

String Value::ToString() const
{
	switch(v.index()) {
	case 1: return IsNull() ? String() : std::to_string(std::get<int>(v));
	case 2: return std::get<String>(v);
	case 3: {
		const Date& d = std::get<Date>(v);
		if(Upp::IsNull(d))
			return String();
		char b[32];
		snprintf(b, sizeof b, "%04d-%02d-%02d", d.year, d.month, d.day);
		return b;
	}
	default: return String();
	}
}

bool Value::operator==(const Value& b) const
{
	if(IsNull() && b.IsNull() && !IsError() && !b.IsError())
		return true;
	if(v.index() != b.v.index())
		return false;
	switch(v.index()) {
	case 1: return std::get<int>(v) == std::get<int>(b.v);
	case 2: return std::get<String>(v) == std::get<String>(b.v);
	case 3: return std::get<Date>(v) == std::get<Date>(b.v);
	default: return true;
	}
}

// Type number packed, then the data: an integer as 4 bytes little-endian, a text as its
// packed length and bytes, a date as day, month and a 16-bit year. Error values are not
// stored (they never reach a file) and read back as a format error.
void Value::Serialize(Stream& s)
{
	int type = IsError() ? (int)VOID_V : GetType();
	s / type;
	if(s.IsLoading()) {
		switch(type) {
		case VOID_V: v = std::monostate(); break;
		case INT_V: {
			int i = 0;
			s % i;
			v = i;
			break;
		}
		case STRING_V: {
			String t;
			s % t;
			v = t;
			break;
		}
		case DATE_V: {
			Date d;
			s % d.day % d.month % d.year;
			v = d;
			break;
		}
		default: s.LoadError(); break;
		}
		return;
	}
	switch(v.index()) {
	case 1: s % std::get<int>(v); break;
	case 2: s % std::get<String>(v); break;
	case 3: {
		Date d = std::get<Date>(v);
		s % d.day % d.month % d.year;
		break;
	}
	default: break;
	}
}

} // namespace Upp
