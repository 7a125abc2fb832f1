#ifndef UPP_CORE_VALUE_H
#define UPP_CORE_VALUE_H

#include "Date.h"
#include "Defs.h"

#include <variant>

namespace Upp {

class Stream;

// Type numbers, as written by the serialization.
enum { VOID_V = 0, INT_V = 1, STRING_V = 3, DATE_V = 4, ERROR_V = 6 };

// What a control gives for input it cannot read; it carries nothing more.
struct ValueError {
	bool operator==(const ValueError&) const = default;
};

// A dynamically typed value: void, integer, text, date or error. Void and the error value
// both count as Null.
class Value {
	std::variant<std::monostate, int, String, Date, ValueError> v;

public:
	Value() = default;
	Value(const Nuller&) {}
	Value(int i) : v(i) {}
	Value(const char* s) : v(String(s)) {}
	Value(const String& s) : v(s) {}
	Value(const Date& d) : v(d) {}
	Value(const ValueError& e) : v(e) {}

	int GetType() const;
	template <class T> bool Is() const { return std::holds_alternative<T>(v); }
	bool IsVoid() const { return Is<std::monostate>(); }
	bool IsError() const { return Is<ValueError>(); }
	bool IsNull() const;

	operator int() const;
	operator Date() const;
	String ToString() const;

	bool operator==(const Value& b) const;

	void Serialize(Stream& s);
};

inline bool IsNull(const Value& v) { return v.IsNull(); }
inline Value ErrorValue() { return Value(ValueError()); }

// A value in a stream: its type number, then its data (Value::Serialize).
inline Stream& operator%(Stream& s, Value& v)
{
	v.Serialize(s);
	return s;
}

} // namespace Upp

#endif
