#ifndef UPP_CORE_INFLATE_H
#define UPP_CORE_INFLATE_H

#include "Defs.h"

namespace Upp {

// What the zlib stream at the start of len bytes inflates to: everything up to the stream's
// end, or up to the damage or the end of the bytes when it has none. Bytes after the stream's
// end are not looked at; `exact` tells that the stream ended properly on the last byte.
struct Inflated {
	String data;
	bool exact = false;
};

Inflated Inflate(const byte* data, int len);

} // namespace Upp

#endif
