// One zlib stream of the given bytes: the form in which the framework's image lists and topic
// store find their compressed data. Shared by the packers; throws on a zlib failure.
#ifndef LUNBREK_TOOLS_DEFLATE_H
#define LUNBREK_TOOLS_DEFLATE_H

#include <zlib.h>

#include <stdexcept>
#include <string>

inline std::string Deflate(const char* data, size_t size)
{
	uLongf len = compressBound(size);
	std::string out(len, '\0');
	if(compress2((Bytef*)out.data(), &len, (const Bytef*)data, size, Z_DEFAULT_COMPRESSION) != Z_OK)
		throw std::runtime_error("zlib compression failed");
	out.resize(len);
	return out;
}

inline std::string Deflate(const std::string& data) { return Deflate(data.data(), data.size()); }

#endif
