// The stored settings as the main window writes them: their shape and their exact bytes.
#ifndef LUNBREK_SETTINGS_FILE_H
#define LUNBREK_SETTINGS_FILE_H

#include <Core/Core.h>

#include "settings_bytes.h"

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

template <std::size_t N> Upp::String AsString(const std::array<SettingsByte, N>& b)
{
	return Upp::String((const char*)b.data(), N);
}

// The 18-byte file of a chosen language index.
inline Upp::String StoredIndex(int i) { return AsString(StoredIndexBytes(i)); }

// The 14-byte file of no language.
inline const Upp::String STORED_NONE = AsString(STORED_NONE_BYTES);

#endif
