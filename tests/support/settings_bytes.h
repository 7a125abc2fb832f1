// The exact bytes of the stored settings, in plain C++ with no Qt and no test framework, so
// that the start-up benchmark writes the very file the tests check.
#ifndef LUNBREK_SETTINGS_BYTES_H
#define LUNBREK_SETTINGS_BYTES_H

#include <array>

using SettingsByte = unsigned char;

// The 18-byte file of a chosen language index: the frame's "data", version 0 (packed as 1),
// an integer value (little-endian), then "end" and the frame's length.
constexpr std::array<SettingsByte, 18> StoredIndexBytes(int i)
{
	auto b = [u = (unsigned)i](int shift) { return (SettingsByte)(u >> shift); };
	return { 0x64, 0x61, 0x74, 0x61, 0x01, 0x02, b(0), b(8), b(16), b(24), 0x65, 0x6E, 0x64, 0, 0x0E, 0, 0, 0 };
}

// The 14-byte file of no language: version 0 (packed as 1) and the void value.
constexpr std::array<SettingsByte, 14> STORED_NONE_BYTES = { 0x64, 0x61, 0x74, 0x61, 0x01, 0x01, 0x65,
															 0x6E, 0x64, 0,    0x0A, 0,    0,    0 };

#endif
