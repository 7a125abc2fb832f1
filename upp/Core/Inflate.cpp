#include "Inflate.h"

#include <zlib.h>

namespace Upp {

Inflated Inflate(const byte* data, int len)
{
	Inflated out;
	z_stream z = {};
	if(!data || len <= 0 || inflateInit(&z) != Z_OK)
		return out;
	z.next_in = const_cast<Bytef*>(data);
	z.avail_in = (uInt)len;
	char chunk[16384];
	int r;
	do {
		z.next_out = (Bytef*)chunk;
		z.avail_out = sizeof chunk;
		r = inflate(&z, Z_NO_FLUSH);
		out.data.append(chunk, sizeof chunk - z.avail_out);
	} while(r == Z_OK);
	out.exact = r == Z_STREAM_END && z.avail_in == 0;
	inflateEnd(&z);
	return out;
}

} // namespace Upp
