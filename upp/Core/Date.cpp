#include "Date.h"

namespace Upp {

bool Date::IsValid() const
{
	static const byte len[] = { 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
	return month >= 1 && month <= 12 && day >= 1 && day <= len[month - 1];
}

} // namespace Upp
