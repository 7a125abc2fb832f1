// Typed dates as the date field reads them, in each language of the program. The first
// byte picks the language ('0' en-US .. '9' ro-RO, in this order), the rest is the typed text.
#include <Core/Core.h>

using namespace Upp;

namespace {

const int LANGUAGES[] = {
	LNG_('E', 'N', 'U', 'S'), LNG_('F', 'R', 'F', 'R'), LNG_('E', 'S', 'E', 'S'), LNG_('P', 'T', 'P', 'T'),
	LNG_('R', 'U', 'R', 'U'), LNG_('D', 'E', 'D', 'E'), LNG_('I', 'T', 'I', 'T'), LNG_('Z', 'H', 'C', 'N'),
	LNG_('N', 'L', 'N', 'L'), LNG_('R', 'O', 'R', 'O'),
};

bool IsBlankText(const String& s) { return s.find_first_not_of(" \t") == String::npos; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
	if(size == 0)
		return 0;
	SetLanguage(SetLNGCharset(LANGUAGES[unsigned(data[0] - '0') % 10], CHARSET_UTF8));
	String text((const char*)data + 1, size - 1);

	std::optional<Date> read = StrToDate(text);
	if(!read)
		return 0;
	Date d = *read;
	if(text.find('\0') != String::npos)
		__builtin_trap(); // a zero byte is never part of a date
	if(IsNull(d)) {
		if(!IsBlankText(text))
			__builtin_trap();
		return 0;
	}
	if(!d.IsValid())
		__builtin_trap();
	// What the field shows for a date reads back as that date.
	if(StrToDate(Format(d)) != d)
		__builtin_trap();
	Date r;
	r.Set(d.Get());
	if(r != d || d + 1 - 1 != d)
		__builtin_trap();
	return 0;
}
