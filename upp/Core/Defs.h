#ifndef UPP_CORE_DEFS_H
#define UPP_CORE_DEFS_H

#include <climits>
#include <cstdint>
#include <string>

namespace Upp {

typedef unsigned char byte;
typedef int16_t int16;
typedef uint32_t dword;
typedef int64_t int64;

// Text is UTF-8 throughout the layer.
typedef std::string String;

// The framework's "no value" markers: the smallest integer, and a tag that converts to it.
const int INT_NULL = INT_MIN;

struct Nuller {
	operator int() const { return INT_NULL; }
};
extern const Nuller Null;

inline bool IsNull(int x) { return x == INT_NULL; }

enum { IDOK = 1, IDCANCEL = 2, IDEXIT = 10000 };

} // namespace Upp

#endif
