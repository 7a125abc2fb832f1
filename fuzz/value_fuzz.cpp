// Serialized values read from arbitrary bytes: a value either loads or raises LoadingError,
// and whatever loads stores and loads back the same.
#include <Core/Core.h>

using namespace Upp;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
	StringStream in(String((const char*)data, size));
	for(int i = 0; i < 16 && !in.IsEof(); i++) {
		Value v;
		try {
			in % v;
		}
		catch(const LoadingError&) {
			if(!in.IsError())
				__builtin_trap();
			return 0;
		}
		StringStream out;
		out % v;
		StringStream back(out.GetResult());
		Value w = ErrorValue();
		back % w;
		if(w.GetType() != v.GetType() || w != v || !back.IsEof())
			__builtin_trap();
		(void)v.ToString();
		if(v.Is<Date>()) {
			// Day numbers of any calendar day lead back to that day.
			Date d = v;
			Date r;
			r.Set(d.Get());
			if(d.IsValid() && r != d)
				__builtin_trap();
		}
	}
	return 0;
}
