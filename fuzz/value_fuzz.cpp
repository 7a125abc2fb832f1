// Serialized values read from arbitrary bytes, as the settings loader reads them: inside a
// frame, a run of values either loads whole or leaves every value as it was, and whatever
// loads stores and loads back the same.
#include <Core/Core.h>

using namespace Upp;

namespace {

const int MAX_VALUES = 16;

struct Values {
	int count = 0;
	Value v[MAX_VALUES];

	void Serialize(Stream& s)
	{
		for(int i = 0; i < count; i++)
			s % v[i];
	}
};

// The settings frame around the bytes: "data", the bytes, "end\0" and the frame's length.
String Frame(const String& payload)
{
	String frame = "data" + payload + String("end", 4);
	dword len = (dword)frame.size();
	for(int i = 0; i < 4; i++)
		frame += (char)(len >> 8 * i);
	return frame;
}

bool Same(const Value& a, const Value& b) { return a.GetType() == b.GetType() && a == b; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
	const String frame = Frame(String((const char*)data, size));
	// At most one run length fills the bytes exactly; every other one must fail cleanly.
	for(int n = 1; n <= MAX_VALUES; n++) {
		Values in;
		in.count = n;
		for(Value& v : in.v)
			v = 7; // a value that stores, so that a failed load can be seen to put it back
		if(!LoadFromString(SerializeTFn(in), frame)) {
			for(const Value& v : in.v)
				if(!Same(v, 7))
					__builtin_trap();
			continue;
		}
		Values back;
		back.count = n;
		if(!LoadFromString(SerializeTFn(back), StoreToString(SerializeTFn(in))))
			__builtin_trap();
		for(int i = 0; i < n; i++) {
			const Value& v = in.v[i];
			if(!Same(back.v[i], v))
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
	}
	return 0;
}
