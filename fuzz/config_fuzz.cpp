// The settings file as the program reads it: any bytes either load whole or leave the
// previous setting exactly as it was.
#include <Core/Core.h>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

using namespace Upp;

namespace {

// The program's own settings: a format version, then the language's value.
struct Settings {
	Value lang;

	void Serialize(Stream& s)
	{
		int version = 0;
		s / version;
		s % lang;
	}
};

bool Same(const Value& a, const Value& b) { return a.GetType() == b.GetType() && a == b; }

String path;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
	char name[] = "/tmp/lunbrek-fuzz-config-XXXXXX";
	int fd = mkstemp(name);
	if(fd < 0)
		abort();
	close(fd);
	path = name;
	atexit([] { unlink(path.c_str()); });
	return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
	FILE* f = fopen(path.c_str(), "wb");
	if(!f || fwrite(data, 1, size, f) != size || fclose(f) != 0)
		abort();

	// The setting held before loading varies with the input so that each kind gets restored.
	static const Value before[] = { Value(), 3, String("Deutsch"), Date(2014, 10, 3) };
	const Value& old = before[size % 4];
	Settings s{ old };
	if(!LoadFromFile(s, path.c_str())) {
		if(!Same(s.lang, old))
			__builtin_trap();
		return 0;
	}
	// What loaded stores and loads back unchanged.
	Settings again{ ErrorValue() };
	if(!LoadFromString(SerializeTFn(again), StoreToString(SerializeTFn(s))) || !Same(again.lang, s.lang))
		__builtin_trap();
	return 0;
}
