#ifndef UPP_CORE_DEFS_H
#define UPP_CORE_DEFS_H

#include <climits>
#include <cstdint>
#include <string>

namespace Upp {

typedef unsigned char byte;
typedef int16_t int16;
typedef uint16_t word;
typedef uint32_t dword;
typedef int64_t int64;

// Text is UTF-8 throughout the layer.
typedef std::string String;

// The framework's "no value" markers: the smallest integer, and a tag that converts to it.
const int INT_NULL = INT_MIN;

struct Nuller {
	operator int() const { return INT_NULL; }
	operator int64() const { return INT64_MIN; }
};
extern const Nuller Null;

inline bool IsNull(int x) { return x == INT_NULL; }
inline bool IsNull(const String& s) { return s.empty(); }

enum { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7, IDEXIT = 10000 };

template <class T> T clamp(const T& x, const T& lo, const T& hi) { return x < lo ? lo : hi < x ? hi : x; }

} // namespace Upp

#endif
