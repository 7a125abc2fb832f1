#ifndef UPP_CORE_DATE_H
#define UPP_CORE_DATE_H

#include "Defs.h"

namespace Upp {

// A calendar day. The Null date has the year -32768.
struct Date {
	byte day = 0;
	byte month = 0;
	int16 year = -32768;

	Date() = default;
	Date(const Nuller&) {}
	Date(int y, int m, int d) : day((byte)d), month((byte)m), year((int16)y) {}

	bool IsValid() const;
	void SetNull() { day = month = 0; year = -32768; }

	static Date Low() { return Date(-4000, 1, 1); }
	static Date High() { return Date(4000, 1, 1); }
};

inline bool IsNull(const Date& d) { return d.year == -32768; }

// The calendar operations and date texts are added in Date.cpp.

} // namespace Upp

#endif
