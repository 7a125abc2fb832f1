#ifndef UPP_CORE_FORMAT_H
#define UPP_CORE_FORMAT_H

#include "Date.h"
#include "Defs.h"
#include "Value.h"

namespace Upp {

// Replaces each "%`" of fmt, in turn, by the plain text of the next value: an integer in
// decimal, a text unchanged, a date as Format(Date). Missing values leave the place empty;
// "%%" gives "%".
String FormatValues(const char* fmt, const Value* values, int count);

template <class... T> String Format(const char* fmt, const T&... args)
{
	if constexpr(sizeof...(T) == 0)
		return FormatValues(fmt, nullptr, 0);
	else {
		const Value values[] = { Value(args)... };
		return FormatValues(fmt, values, (int)sizeof...(T));
	}
}

} // namespace Upp

#endif
