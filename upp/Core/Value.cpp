#include "Value.h"

#include "Stream.h"

namespace Upp {

const Nuller Null;

namespace {

// Lets std::visit pick, for each alternative, the one of these functions that takes it.
template <class... F> struct Overload : F... {
	using F::operator()...;
};
template <class... F> Overload(F...) -> Overload<F...>;

} // namespace

int Value::GetType() const
{
	return std::visit(Overload{
						  [](std::monostate) { return (int)VOID_V; },
						  [](int) { return (int)INT_V; },
						  [](const String&) { return (int)STRING_V; },
						  [](const Date&) { return (int)DATE_V; },
						  [](const ValueError&) { return (int)ERROR_V; },
					  },
					  v);
}

bool Value::IsNull() const
{
	return std::visit(Overload{
						  [](std::monostate) { return true; },
						  [](int i) { return i == INT_NULL; },
						  [](const String& s) { return s.empty(); },
						  [](const Date& d) { return Upp::IsNull(d); },
						  [](const ValueError&) { return true; },
					  },
					  v);
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
	if(auto i = std::get_if<int>(&v))
		return *i == INT_NULL ? String() : std::to_string(*i);
	if(auto t = std::get_if<String>(&v))
		return *t;
	if(auto d = std::get_if<Date>(&v); d && !Upp::IsNull(*d)) {
		char b[32];
		snprintf(b, sizeof b, "%04d-%02d-%02d", d->year, d->month, d->day);
		return b;
	}
	return String();
}

bool Value::operator==(const Value& b) const
{
	// Void, the integer Null, the empty text and the Null date are all the same Null; an error
	// value equals only an error value.
	if(IsNull() && b.IsNull() && !IsError() && !b.IsError())
		return true;
	return v == b.v;
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
	if(auto i = std::get_if<int>(&v))
		s % *i;
	else if(auto t = std::get_if<String>(&v))
		s % *t;
	else if(auto d = std::get_if<Date>(&v))
		s % d->day % d->month % d->year;
}

} // namespace Upp
