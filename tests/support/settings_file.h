// The stored settings as the main window writes them: their shape and their exact bytes.
#ifndef LUNBREK_SETTINGS_FILE_H
#define LUNBREK_SETTINGS_FILE_H

#include <Core/Core.h>

#include <initializer_list>

// A version, then one value.
struct Settings {
	Upp::Value lang;
	void Serialize(Upp::Stream& s)
	{
		int version = 0;
		s / version;
		s % lang;
	}
};

inline Upp::String Bytes(std::initializer_list<int> b)
{
	Upp::String s;
	for(int x : b)
		s += (char)x;
	return s;
}

// The 18-byte file of a chosen language index.
inline Upp::String StoredIndex(int i)
{
	return Bytes({ 0x64, 0x61, 0x74, 0x61, 0x01, 0x02, i & 255, (i >> 8) & 255, (i >> 16) & 255, (i >> 24) & 255, 0x65,
				   0x6E, 0x64, 0, 0x0E, 0, 0, 0 });
}

// The 14-byte file of no language.
inline const Upp::String STORED_NONE =
	Bytes({ 0x64, 0x61, 0x74, 0x61, 0x01, 0x01, 0x65, 0x6E, 0x64, 0, 0x0A, 0, 0, 0 });

#endif
